#!/usr/bin/env bash
# End to end with Debian's XScreenSaver daemon: the packaged hack, unpacked
# where the unprivileged daemon can run it and named in its ~/.xscreensaver,
# lights the screen with colour and motion on -activate, keeps drawing on
# the daemon's window at no more than the display's rate, and is gone within
# 2 s of -deactivate.
#   bash tests/linux/xscreensaver_daemon_test.sh <vantrel-xscreensaver_*.deb>
set -euo pipefail

DEB="$1"
WORK="$(mktemp -d)"
chmod 755 "$WORK"
XVFB_PID=""
DAEMON_PID=""
cleanup() {
  [ -n "$DAEMON_PID" ] && kill "$DAEMON_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; [ -f "$WORK/daemon.log" ] && tail -20 "$WORK/daemon.log"; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/screen_checks.sh"

dpkg-deb -x "$DEB" "$WORK/root"
HACK="$WORK/root/usr/libexec/xscreensaver/vantrel"
mkdir "$WORK/home"
# NOTE: the daemon refuses to launch hacks as root, so it runs as nobody.
# Its hacks run at the test's own priority (nice: 0, not the default 10): the
# frame count below judges the hack, not how the tests running beside it
# share the processors.
cat > "$WORK/home/.xscreensaver" <<CONF
nice: 0
mode: one
selected: 0
lock: False
splash: False
fade: False
unfade: False
programs: \\
  GL: $HACK --root \\n\\
CONF
chown -R nobody:nogroup "$WORK/home"
STATS="$WORK/home/frames.txt"
as_nobody() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$WORK/home" DISPLAY="$DISPLAY" VANTREL_FRAME_STATS="$STATS" "$@"
}

# -ac lets the unprivileged daemon connect.
start_own_xvfb -ac

start_xscreensaver_daemon

hack_running() { pgrep -f -- "^$HACK --root" >/dev/null; }
as_nobody xscreensaver-command -activate >/dev/null
for _ in $(seq 1 100); do hack_running && break; sleep 0.1; done
hack_running || fail "the daemon did not start the hack"
echo "ok: -activate started $(pgrep -a -f -- "^$HACK" | head -1)"

expect_flight root

as_nobody xscreensaver-command -deactivate >/dev/null
start=$(date +%s.%N)
for _ in $(seq 1 40); do hack_running || break; sleep 0.05; done
hack_running && fail "the hack still runs 2 s after -deactivate"
echo "ok: the hack was gone $(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.2f", e - s }') s after -deactivate"

# Its frames over the whole run: it never stopped on the daemon's window (a
# window taken for hidden would leave it waiting) and never outran the 60 Hz
# Xvfb stands for.
[ -f "$STATS" ] || fail "the hack wrote no frame count"
rate=$(awk '$1 == "frames" { f = $2 } $1 == "seconds" { s = $2 } END { if (s > 0) printf "%.1f", f / s }' "$STATS")
echo "hack: ${rate:-0} frames a second over its run"
awk -v r="${rate:-0}" 'BEGIN { exit !(r > 3) }' || fail "the hack stopped drawing"
awk -v r="${rate:-0}" 'BEGIN { exit !(r <= 61) }' || fail "the hack outran the display"
as_nobody xscreensaver-command -exit >/dev/null 2>&1 || true
