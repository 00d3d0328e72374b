#!/usr/bin/env bash
# Prints how the picture's look depends on the frame rate: stills of the
# renderer's own drawing at 640x480, seed 7, 300 stars held, after 20 s of
# animation at several rates, each against the still at 60 frames a second:
#   diff   mean absolute difference of 8x8-pixel block means, over the mean
#          of the 60 fps still (0: the same look)
#   light  the still's mean light over the 60 fps still's
# Figures, not a test. Runs vantrel_still under Wine on a virtual display.
#
#   look-by-rate.sh [still.exe ...]  each program measured in turn, in one
#                                    run (default: build/win's, built here)
#   VANTREL_BUILD_ROOT=dir     build folders (default ./build)
#   VANTREL_LOOK_RATES="..."   rates (default 30 60 72 90 120 144 240)
#   VANTREL_LOOK_SECONDS=n     animation seconds (default 20)
#   VANTREL_KEPT_PICTURE=8bit  passed on: the 8-bit kept picture instead
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"
RATES="${VANTREL_LOOK_RATES:-30 60 72 90 120 144 240}"
SECONDS_OF_ANIMATION="${VANTREL_LOOK_SECONDS:-20}"

if [ "$#" -eq 0 ]; then
  source "$ROOT/scripts/release-builds.sh"
  vantrel_build_windows vantrel_still >/dev/null
  set -- "$BUILD_ROOT/win/bin/vantrel_still.exe"
fi

source "$ROOT/scripts/wine-env.sh"
OUT="$(mktemp -d)"
finish() { rm -rf "$OUT"; vantrel_cleanup; }
trap finish EXIT
vantrel_wine_prefix
vantrel_display
vantrel_wine_session
export VANTREL_HOLD_STARS=300

# Block means of a 24-bit BMP's light (the mean of its three channels).
compare() {  # reference.bmp still.bmp
  /usr/bin/python3 - "$1" "$2" <<'PY'
import struct, sys

def blocks(path):
    data = open(path, "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    row = (width * 3 + 3) & ~3
    means = []
    for by in range(0, height - 7, 8):
        for bx in range(0, width - 7, 8):
            total = 0
            for y in range(by, by + 8):
                start = offset + y * row + bx * 3
                total += sum(data[start:start + 24])
            means.append(total / (8 * 8 * 3))
    return means

ref, still = blocks(sys.argv[1]), blocks(sys.argv[2])
mean_ref = sum(ref) / len(ref)
mean_still = sum(still) / len(still)
diff = sum(abs(a - b) for a, b in zip(ref, still)) / len(ref) / mean_ref
print("%.3f %.3f" % (diff, mean_still / mean_ref))
PY
}

for exe in "$@"; do
  echo "$exe"
  for rate in $RATES; do
    frames=$((SECONDS_OF_ANIMATION * rate))
    wine "$exe" 640 480 7 "$frames" "$(winepath -w "$OUT/still-$rate.bmp")" \
      "$rate" </dev/null >/dev/null 2>"$OUT/err" || {
      echo "  $rate fps: the still failed: $(cat "$OUT/err")"
      continue
    }
  done
  [ -f "$OUT/still-60.bmp" ] || { echo "  no 60 fps still"; continue; }
  printf '  %-5s %-6s %s\n' fps diff light
  for rate in $RATES; do
    [ -f "$OUT/still-$rate.bmp" ] || continue
    read -r diff light < <(compare "$OUT/still-60.bmp" "$OUT/still-$rate.bmp")
    printf '  %-5s %-6s %s\n' "$rate" "$diff" "$light"
  done
  rm -f "$OUT"/still-*.bmp
done
