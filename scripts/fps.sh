#!/usr/bin/env bash
# Measures the real renderer under Wine at 1024 by 768: frames per second and
# CPU milliseconds per frame over ten seconds, for the full scene and for a
# bare frame that only fades and swaps (the floor to compare against).
#
#   VANTREL_BUILD_ROOT=dir   build folders (default ./build)
#   VANTREL_FPS_SECONDS=n    length of each run (default 10)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"
SECONDS_TO_RUN="${VANTREL_FPS_SECONDS:-10}"

source "$ROOT/scripts/deps.sh"
[ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps

cmake -S "$ROOT" -B "$BUILD_ROOT/win" \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_ROOT/win" -j "$(nproc)" --target vantrel_renderer >/dev/null
BIN="$BUILD_ROOT/win/bin"

source "$ROOT/scripts/wine-env.sh"
OUT="$(mktemp -d)"
INI_DIR="$WINEPREFIX/drive_c/orlek_temp"
INI="$INI_DIR/Vantrel.ini"
restore_settings() {
  if [ -f "$OUT/Vantrel.ini.saved" ]; then
    cp "$OUT/Vantrel.ini.saved" "$INI"
  else
    rm -f "$INI"
  fi
  rm -rf "$OUT"
  vantrel_cleanup
}
trap restore_settings EXIT
vantrel_null_sound_home "$BUILD_ROOT/win/fpshome"
vantrel_wine_prefix
vantrel_display 1024x768x24
vantrel_wine_session

mkdir -p "$INI_DIR"
[ -f "$INI" ] && cp "$INI" "$OUT/Vantrel.ini.saved"
printf '[Settings]\r\nWidth= 1024\r\nHeight= 768\r\n' > "$INI"

# Runs the renderer for the set time, ends it with Escape and prints a line.
measure() {
  local label="$1" bare="$2" stats="$OUT/stats-$2.txt"
  VANTREL_FRAME_STATS="$(winepath -w "$stats")" VANTREL_BARE_FRAME="$bare" \
    wine "$BIN/Vantrel.dll" >/dev/null 2>&1 &
  local pid=$!
  sleep "$SECONDS_TO_RUN"
  local win
  win=$(xdotool search --name '^Vantrel_VC$' 2>/dev/null | head -1 || true)
  if [ -n "$win" ]; then xdotool key --window "$win" Escape 2>/dev/null; fi
  local i
  for i in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    echo "$label: the renderer did not end after Escape" >&2
    return 1
  fi
  wait "$pid" || true
  if [ ! -f "$stats" ]; then
    echo "$label: no figures written" >&2
    return 1
  fi
  awk -v label="$label" '
    $1 == "frames" { f = $2 } $1 == "seconds" { s = $2 } $1 == "cpu" { c = $2 }
    END {
      if (f > 0 && s > 0)
        printf "%-12s %6d frames in %5.1f s: %7.1f frames/s, %6.2f ms CPU per frame\n",
               label, f, s, f / s, 1000 * c / f
      else
        printf "%-12s no frames drawn\n", label
    }' "$stats"
}

echo "Renderer under Wine at 1024x768 on $DISPLAY, ${SECONDS_TO_RUN} s each (CPU: whole process, all threads):"
measure "scene" 0
measure "bare frame" 1
