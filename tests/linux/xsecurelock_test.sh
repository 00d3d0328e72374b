#!/usr/bin/env bash
# The hack as xsecurelock's saver, on an Xvfb of this test's own: on the
# locker's own window it keeps drawing for the whole lock, at no more than
# the display's rate (Xvfb reports none: 60 Hz), and it ends with the locker.
#   bash tests/linux/xsecurelock_test.sh <path to the vantrel program>
set -euo pipefail

HACK="$(readlink -f "$1")"
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

exec 3>"$WORK/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp +extension GLX \
  >/dev/null 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 1 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$WORK/display")"

env XSECURELOCK_SAVER="$HACK" VANTREL_FRAME_STATS="$WORK/frames.txt" \
  xsecurelock >"$WORK/lock.log" 2>&1 &
LOCK_PID=$!
hack_running() { pgrep -f -- "^$HACK" >/dev/null; }
for _ in $(seq 1 100); do hack_running && break; sleep 0.1; done
hack_running || fail "xsecurelock did not start the hack"
sleep 5
kill -TERM "$LOCK_PID"
wait "$LOCK_PID" 2>/dev/null || true
LOCK_PID=""
for _ in $(seq 1 40); do [ -s "$WORK/frames.txt" ] && break; sleep 0.05; done
[ -s "$WORK/frames.txt" ] || fail "the hack wrote no frame count"
rate=$(awk '$1 == "frames" { f = $2 } $1 == "seconds" { s = $2 } END { if (s > 0) printf "%.1f", f / s }' "$WORK/frames.txt")
echo "hack under xsecurelock: ${rate:-0} frames a second over its run"
awk -v r="${rate:-0}" 'BEGIN { exit !(r > 15) }' || fail "the hack stopped drawing"
awk -v r="${rate:-0}" 'BEGIN { exit !(r <= 61) }' || fail "the hack outran the display"
echo "ok: it kept drawing on xsecurelock's window, paced"
