#!/usr/bin/env bash
# The saver on a real two-monitor desktop: Xorg with the dummy driver, two
# 1024x768 screens side by side under Xinerama, and a Wine prefix of its own
# that sees both monitors. After "Vantrel.scr /s" both screens must show a
# moving, coloured and different picture, "Vantrel_VC" must sit on the
# primary, and Escape on the second screen's window must end every window,
# the renderer and the host within 2 s.
#   two_monitors_test.sh BIN_DIR WORK_DIR
set -euo pipefail
BIN=$(realpath "$1")
WORK=$(realpath -m "$2")
mkdir -p "$WORK"
source "$(dirname "$0")/../../scripts/two-monitors-env.sh"
rm -f "$WORK"/*.png "$WORK"/*.log
fail() { echo "FAIL: $*"; exit 1; }

export LANG=C.UTF-8
host_pid=""
cleanup() {
  [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null || true
  vantrel_two_monitors_cleanup
}
trap cleanup EXIT

vantrel_two_monitors "$WORK" || fail "no two-monitor desktop"
[ "$(xdpyinfo | awk '/dimensions:/{print $2; exit}')" = 2048x768 ] \
  || fail "the desktop is not 2048x768: $(xdpyinfo | grep dimensions)"

probe() { wine "$BIN/monitor_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }

monitors=$(probe monitors | sort)
[ "$monitors" = "$(printf '0 0 1024 768 primary\n1024 0 2048 768')" ] \
  || fail "Windows sees the monitors as: $monitors"

wine "$BIN/Vantrel.scr" /s >/dev/null 2>&1 </dev/null &
host_pid=$!

# Both windows up and drawing for a while.
for i in $(seq 1 100); do
  windows=$(probe windows | sort)
  grep -q '^Vantrel_Scene ' <<<"$windows" && grep -q '^Vantrel_VC ' <<<"$windows" && break
  sleep 0.3
done
echo "windows: $windows"
grep -qx 'Vantrel_VC 0 0 1024 768' <<<"$windows" \
  || fail "Vantrel_VC is not at 0,0,1024,768"
grep -qx 'Vantrel_Scene 1024 0 2048 768' <<<"$windows" \
  || fail "no scene window over the second monitor"
sleep 4

# Two shots a second apart, each cut into its two screens.
for shot in 1 2; do
  import -display "$DISPLAY" -window root "$WORK/shot$shot.png"
  convert "$WORK/shot$shot.png" -crop 1024x768+0+0 +repage "$WORK/left$shot.png"
  convert "$WORK/shot$shot.png" -crop 1024x768+1024+0 +repage "$WORK/right$shot.png"
  sleep 1
done
# Mean brightness and mean saturation, in 0 to 1.
lightness() { convert "$1" -colorspace Gray -format '%[fx:mean]' info:; }
saturation() { convert "$1" -colorspace HSL -channel G -separate -format '%[fx:mean]' info:; }
# Pixels that differ by more than 2% between two pictures.
changed() { compare -metric AE -fuzz 2% "$1" "$2" null: 2>&1 || true; }
for side in left right; do
  lit=$(lightness "$WORK/${side}1.png")
  sat=$(saturation "$WORK/${side}1.png")
  moved=$(changed "$WORK/${side}1.png" "$WORK/${side}2.png")
  echo "$side screen: lightness $lit, saturation $sat, $moved pixels changed in 1 s"
  awk -v v="$lit" 'BEGIN{exit !(v > 0.01)}' || fail "the $side screen is dark"
  awk -v v="$sat" 'BEGIN{exit !(v > 0.02)}' || fail "the $side screen has no colour"
  [ "${moved%%.*}" -gt 5000 ] || fail "the $side screen does not move"
done
# The ribbon moves in step on both, so the stars of each screen's own scene
# make the difference; a mirrored picture differs in none.
different=$(changed "$WORK/left1.png" "$WORK/right1.png")
echo "the screens differ in $different pixels"
[ "${different%%.*}" -gt 300 ] || fail "both screens show the same picture"

# Escape on the second screen's window ends it all.
scene_x=$(xdotool search --name '^Vantrel_Scene$' | head -1)
[ -n "$scene_x" ] || fail "no X window for the scene window"
probe foreground Vantrel_Scene || fail "the scene window cannot take the foreground"
start=$(date +%s%N)
xdotool key --window "$scene_x" Escape
ended=""
for i in $(seq 1 100); do
  if ! kill -0 "$host_pid" 2>/dev/null; then
    ended=$(date +%s%N)
    break
  fi
  sleep 0.05
done
[ -n "$ended" ] || fail "the host still runs 5 s after Escape"
ms=$(( (ended - start) / 1000000 ))
echo "Escape on the second screen: host ended after $ms ms"
[ "$ms" -le 2000 ] || fail "the run took $ms ms to end"
host_pid=""
left=$(probe windows)
[ -z "$left" ] || fail "windows left behind: $left"
left=$(probe processes)
[ -z "$left" ] || fail "processes left behind: $left"
echo "both screens lit, moving and different; Escape on the second ended the run in $ms ms"
