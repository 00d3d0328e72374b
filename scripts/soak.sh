#!/usr/bin/env bash
# Soak under Wine: N consecutive saver runs (Vantrel.scr /s, ended by Escape
# in the renderer) and N preview runs (Vantrel.scr /p <hwnd>, ended by
# destroying the parent window). Prints the runs, the processes left behind
# (must be 0), the settings file's integrity failures and the time each run
# took to end (min, median, max).
#
#   scripts/soak.sh [--saver N] [--preview N] [--run-ms MS] [--no-music]
#                   [--bin DIR] [--in-session]
#   --bin DIR      use the programs already built in DIR (no build)
#   --in-session   the Wine session and display are already set up (ctest)
#   VANTREL_BUILD_ROOT, VANTREL_WINEPREFIX, VANTREL_SKIP_DEPS as for test.sh
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"
SAVER=100
PREVIEW=100
RUN_MS=500
BIN=""
IN_SESSION=0
EXTRA=()
while [ $# -gt 0 ]; do
  case "$1" in
    --saver) SAVER="$2"; shift 2 ;;
    --preview) PREVIEW="$2"; shift 2 ;;
    --run-ms) RUN_MS="$2"; shift 2 ;;
    --no-music) EXTRA+=(--no-music); shift ;;
    --bin) BIN="$2"; shift 2 ;;
    --in-session) IN_SESSION=1; shift ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done

if [ -z "$BIN" ]; then
  source "$ROOT/scripts/deps.sh"
  [ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps
  cmake -S "$ROOT" -B "$BUILD_ROOT/win" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD_ROOT/win" --target vantrel_soak -j "$(nproc)"
  BIN="$BUILD_ROOT/win/bin"
fi

if [ "$IN_SESSION" = 0 ]; then
  source "$ROOT/scripts/wine-env.sh"
  trap vantrel_cleanup EXIT
  vantrel_null_sound_home "$BUILD_ROOT/win/soakhome"
  vantrel_wine_prefix
  vantrel_display
  vantrel_wine_session
fi

started=$(date +%s)
set +e
(cd "$BIN" && wine ./vantrel_soak.exe --saver "$SAVER" --preview "$PREVIEW" --run-ms "$RUN_MS" \
   ${EXTRA[@]+"${EXTRA[@]}"})
status=$?
set -e

# A second count from outside Wine: Unix processes of this Wine prefix still
# running either program (other prefixes on the machine are not ours).
unix_left=0
for pid in $(pgrep -f 'Vantrel\.(scr|dll)' || true); do
  if { tr '\0' '\n' < "/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
    unix_left=$((unix_left + 1))
  fi
done
echo "Unix processes of Vantrel.scr or Vantrel.dll left in this prefix: $unix_left"
echo "soak took $(( $(date +%s) - started )) s"
[ "$unix_left" = 0 ] || status=1
exit "$status"
