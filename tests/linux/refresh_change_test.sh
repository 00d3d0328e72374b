#!/usr/bin/env bash
# The hack follows the refresh rate of the monitor it is on. Xvfb reports
# none, so this runs on Xorg's dummy driver: a 320x240 screen at 60 Hz,
# switched by XRandR to 30, 120 and 144 Hz modes of the same size and back
# while the hack draws on the root window (60, 30, 60 and 72 frames a
# second: a whole divisor of the refresh near 60); then a second head at
# 30 Hz beside the first, and the hack's own window moved from one to the
# other; then a small window a host gives it (half rate), and the
# power-saver profile of a stand-in power-profiles-daemon on a private
# system bus (30 frames a second, then 60 again). Its swaps are not paced
# there, so the frames it prints each second show the rate it paces to.
#   refresh_change_test.sh HACK WORK_DIR
set -euo pipefail
HACK=$(realpath "$1")
WORK=$(realpath -m "$2")
mkdir -p "$WORK"
rm -f "$WORK"/*.log "$WORK"/*.txt
source "$(dirname "$0")/../../scripts/xorg-dummy.sh"
fail() { echo "FAIL: $*"; exit 1; }

hack_pid=""
window_pid=""
mock_pid=""
bus_pid=""
cleanup() {
  local pid
  for pid in "$hack_pid" "$window_pid" "$mock_pid" "$bus_pid"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
  vantrel_xorg_stop
}
trap cleanup EXIT

# The dummy refuses pixel clocks this low by half, so the 30 Hz mode keeps
# the clock and doubles the lines instead.
{
  vantrel_xorg_server_flags
  vantrel_xorg_dummy_screen 0 320x240 "12.576 320 336 368 800 240 243 247 262" \
    20.0-160.0
} > "$WORK/xorg.conf"
vantrel_xorg_display "$WORK" || fail "Xorg with the dummy driver did not start"
xrandr --newmode 320x240_30 12.576 320 336 368 800 240 243 247 524
xrandr --addmode DUMMY0 320x240_30
# The same lines at twice and 2.4 times the clock.
xrandr --newmode 320x240_120 25.152 320 336 368 800 240 243 247 262
xrandr --addmode DUMMY0 320x240_120
xrandr --newmode 320x240_144 30.1824 320 336 368 800 240 243 247 262
xrandr --addmode DUMMY0 320x240_144
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
xrandr --output DUMMY0 --mode 320x240_120
expect_rates 40 63 3.5 "switched to 120 Hz: every other refresh"
xrandr --output DUMMY0 --mode 320x240_144
expect_rates 40 75 3.5 "switched to 144 Hz: every other refresh"
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
xrandr --output DUMMY1 --off

# A host's small window (XScreenSaver's preview): half the ceiling.
python3 "$(dirname "$0")/../../scripts/hold-x-window.py" 300 200 >"$WORK/window.txt" &
window_pid=$!
preview=""
for _ in $(seq 1 50); do
  preview=$(head -1 "$WORK/window.txt" 2>/dev/null || true)
  [ -n "$preview" ] && break
  sleep 0.1
done
[ -n "$preview" ] || fail "no window for the preview"
: >"$WORK/fps.txt"
XSCREENSAVER_WINDOW="$preview" "$HACK" --root --fps 2>"$WORK/fps.txt" &
hack_pid=$!
expect_rates 20 31.6 4 "a host's 300x200 window at 60 Hz"
kill -TERM "$hack_pid"
wait "$hack_pid" || fail "the hack did not end cleanly on SIGTERM"
hack_pid=""
kill "$window_pid"
window_pid=""

# power-profiles-daemon, stood in for by python3-dbusmock on a private
# system bus: the power-saver profile holds the hack to 30 frames a second.
mkdir -p "$WORK/bus"
cat >"$WORK/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:tmpdir=$WORK/bus</listen>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$WORK/bus.conf" --print-address=1 --print-pid=1 \
  --fork >"$WORK/bus.txt"
bus_pid=$(sed -n 2p "$WORK/bus.txt")
export DBUS_SYSTEM_BUS_ADDRESS=$(head -1 "$WORK/bus.txt")
/usr/bin/python3 -m dbusmock --system --template power_profiles_daemon \
  >"$WORK/mock.log" 2>&1 &
mock_pid=$!
set_profile() {
  gdbus call --system --dest net.hadess.PowerProfiles \
    --object-path /net/hadess/PowerProfiles \
    --method org.freedesktop.DBus.Properties.Set net.hadess.PowerProfiles \
    ActiveProfile "<'$1'>" >/dev/null
}
for _ in $(seq 1 50); do
  set_profile balanced 2>/dev/null && break
  sleep 0.1
done
set_profile balanced || fail "the stand-in power-profiles-daemon did not start"
: >"$WORK/fps.txt"
env -u XSCREENSAVER_WINDOW "$HACK" --root --fps 2>"$WORK/fps.txt" &
hack_pid=$!
# The first second holds the frames that find the swap unpaced: four seconds,
# as at the first start, so the last two are both later ones.
expect_rates 40 63 4 "balanced profile"
set_profile power-saver
expect_rates 20 31.6 3.5 "power-saver profile"
set_profile balanced
expect_rates 40 63 3.5 "balanced again"
kill "$mock_pid"
mock_pid=""
expect_rates 40 63 2.5 "the daemon gone"
grep -q . "$WORK/fps.txt" && ! grep -v ' fps' <(tr '\r' '\n' <"$WORK/fps.txt") | grep -q . \
  || fail "the hack said more than its rates: $(cat "$WORK/fps.txt")"
kill -TERM "$hack_pid"
wait "$hack_pid" || fail "the hack did not end cleanly on SIGTERM"
hack_pid=""
echo "the hack followed 60, 30, 120, 144 and 60 Hz, each head's rate, a preview and the power profile"
