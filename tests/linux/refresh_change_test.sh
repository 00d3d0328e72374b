#!/usr/bin/env bash
# The hack follows the refresh rate of the monitor it is on. Xvfb reports
# none, so this runs on Xorg's dummy driver: a 320x240 screen at 60 Hz,
# switched by XRandR to a 30 Hz mode of the same size and back while the
# hack draws on the root window; then a second head at 30 Hz beside the
# first, and the hack's own window moved from one to the other. Its swaps
# are not paced there, so the frames it prints each second show the rate it
# paces to.
#   refresh_change_test.sh HACK WORK_DIR
set -euo pipefail
HACK=$(realpath "$1")
WORK=$(realpath -m "$2")
mkdir -p "$WORK"
rm -f "$WORK"/*.log "$WORK"/*.txt
source "$(dirname "$0")/../../scripts/xorg-dummy.sh"
fail() { echo "FAIL: $*"; exit 1; }

hack_pid=""
cleanup() {
  [ -n "$hack_pid" ] && kill "$hack_pid" 2>/dev/null || true
  vantrel_xorg_stop
}
trap cleanup EXIT

# The dummy refuses pixel clocks this low by half, so the 30 Hz mode keeps
# the clock and doubles the lines instead.
{
  vantrel_xorg_server_flags
  vantrel_xorg_dummy_screen 0 320x240 "12.576 320 336 368 800 240 243 247 262"
} > "$WORK/xorg.conf"
vantrel_xorg_display "$WORK" || fail "Xorg with the dummy driver did not start"
xrandr --newmode 320x240_30 12.576 320 336 368 800 240 243 247 524
xrandr --addmode DUMMY0 320x240_30
xrandr | grep -q '60.00\*' || fail "the screen is not at 60 Hz: $(xrandr)"

env -u XSCREENSAVER_WINDOW "$HACK" --root --fps 2>"$WORK/fps.txt" &
hack_pid=$!

# The last two rates printed, one a line.
last_rates() { tr '\r' '\n' <"$WORK/fps.txt" | awk '/ fps/ { print $2 }' | tail -2; }
# Neither of the last two rates above `high`, and the higher at least `low`
# (a busy machine may slow one second), after `seconds` in a mode.
expect_rates() {
  local low="$1" high="$2" seconds="$3" what="$4" rates
  sleep "$seconds"
  rates=$(last_rates)
  echo "$what: $(echo $rates)"
  [ "$(wc -l <<<"$rates")" = 2 ] || fail "$what: no rates printed"
  awk -v low="$low" -v high="$high" '$1 > high { bad = 1 } $1 > top { top = $1 }
    END { exit bad || top < low }' <<<"$rates" || fail "$what: rates outside $low to $high"
}

# Under load the hack may fall short of 60, but never near 30.
expect_rates 40 63 4 "60 Hz"
xrandr --output DUMMY0 --mode 320x240_30
expect_rates 27 31.6 3.5 "switched to 30 Hz"
xrandr --output DUMMY0 --mode 320x240
expect_rates 40 63 3.5 "back at 60 Hz"

kill -TERM "$hack_pid"
wait "$hack_pid" || fail "the hack did not end cleanly on SIGTERM"
hack_pid=""

# Two heads on one screen: DUMMY0 at 60 Hz, DUMMY1 at 30 Hz at its right.
xrandr --addmode DUMMY1 320x240_30
xrandr --output DUMMY1 --mode 320x240_30 --right-of DUMMY0
xrandr | grep -q 'DUMMY1 connected 320x240+320+0' || fail "no second head: $(xrandr)"
: >"$WORK/fps.txt"
env -u XSCREENSAVER_WINDOW "$HACK" --fps 2>"$WORK/fps.txt" &
hack_pid=$!
window=""
for _ in $(seq 1 50); do
  window=$(xdotool search --name '^Vantrel$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "the hack's window did not appear"
# No window manager: the window goes where it is told.
xdotool windowsize "$window" 200 150 windowmove "$window" 60 40
expect_rates 40 63 4 "own window on the 60 Hz head"
xdotool windowmove "$window" 380 40
expect_rates 27 31.6 3.5 "moved to the 30 Hz head"
xrandr --output DUMMY1 --mode 320x240
expect_rates 40 63 3.5 "that head switched to 60 Hz"

kill -TERM "$hack_pid"
wait "$hack_pid" || fail "the hack did not end cleanly on SIGTERM"
hack_pid=""
echo "the hack followed 60, 30 and 60 Hz, and each head's rate"
