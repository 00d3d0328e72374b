#!/usr/bin/env bash
# End to end with Debian's xsecurelock: with XSECURELOCK_SAVER naming the
# installed hack it runs it with -root and a decimal XSCREENSAVER_WINDOW;
# the screen is lit, coloured and moving; it keeps drawing on the locker's
# window for the whole lock, at no more than the display's rate (Xvfb
# reports none: 60 Hz); when xsecurelock ends, so does the hack (within 2 s).
#   bash tests/linux/xsecurelock_test.sh <vantrel-xscreensaver_*.deb>
set -euo pipefail

DEB="$(realpath "$1")"
if [ -z "${VANTREL_UNPACKED:-}" ]; then
  exec bash "$(dirname "${BASH_SOURCE[0]}")/with_installed_hack.sh" "$DEB" \
    bash "${BASH_SOURCE[0]}" "$DEB"
fi

WORK="$(mktemp -d)"
XVFB_PID=""
LOCK_PID=""
cleanup() {
  [ -n "$LOCK_PID" ] && kill "$LOCK_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; [ -f "$WORK/lock.log" ] && tail -20 "$WORK/lock.log"; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/screen_checks.sh"

HACK=/usr/libexec/xscreensaver/vantrel
cmp -s "$HACK" "$VANTREL_UNPACKED$HACK" || fail "the packaged hack is not in place"

start_own_xvfb

env XSECURELOCK_SAVER="$HACK" VANTREL_FRAME_STATS="$WORK/frames.txt" \
  xsecurelock >"$WORK/lock.log" 2>&1 &
LOCK_PID=$!

hack_pid() { running_pid "^$HACK"; }
for _ in $(seq 1 150); do hack_pid >/dev/null && break; sleep 0.1; done
pid=$(hack_pid) || fail "xsecurelock did not start the hack"
args="$(tr '\0' ' ' </proc/"$pid"/cmdline)"
window="$(tr '\0' '\n' </proc/"$pid"/environ | sed -n 's/^XSCREENSAVER_WINDOW=//p')"
echo "ok: xsecurelock started $args with XSCREENSAVER_WINDOW=$window"
[ "$args" = "$HACK -root " ] || fail "the hack's arguments are not -root"
[[ "$window" =~ ^[1-9][0-9]*$ ]] || fail "the window id is not decimal"

expect_flight root

kill -TERM "$LOCK_PID"
start=$(date +%s.%N)
for _ in $(seq 1 40); do hack_pid >/dev/null || break; sleep 0.05; done
hack_pid >/dev/null && fail "the hack still runs 2 s after xsecurelock ended"
echo "ok: the hack was gone $(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.2f", e - s }') s after xsecurelock's SIGTERM"

for _ in $(seq 1 40); do [ -s "$WORK/frames.txt" ] && break; sleep 0.05; done
[ -s "$WORK/frames.txt" ] || fail "the hack wrote no frame count"
rate=$(awk '$1 == "frames" { f = $2 } $1 == "seconds" { s = $2 } END { if (s > 0) printf "%.1f", f / s }' "$WORK/frames.txt")
echo "hack under xsecurelock: ${rate:-0} frames a second over its run"
awk -v r="${rate:-0}" 'BEGIN { exit !(r > 3) }' || fail "the hack stopped drawing"
awk -v r="${rate:-0}" 'BEGIN { exit !(r <= 61) }' || fail "the hack outran the display"
echo "ok: it kept drawing on xsecurelock's window, paced"
