#!/usr/bin/env bash
# Builds the Windows programs and runs the screensaver under Wine.
# On the user's display it runs until Escape. With no display it runs on a
# virtual one for a few seconds, saves screenshots, then presses Escape.
#
#   VANTREL_BUILD_ROOT=dir     build folders (default ./build)
#   VANTREL_SHOTS=dir          where headless screenshots go (default ./run-screenshots)
#   VANTREL_SECONDS=n          headless run length before Escape (default 6)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"
SHOTS="${VANTREL_SHOTS:-$ROOT/run-screenshots}"
SECONDS_TO_RUN="${VANTREL_SECONDS:-6}"

source "$ROOT/scripts/deps.sh"
[ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps
source "$ROOT/scripts/release-builds.sh"

vantrel_build_windows vantrel_programs

BIN="$BUILD_ROOT/win/bin"
if [ -f "$BIN/Vantrel.scr" ]; then
  PROGRAM=("$BIN/Vantrel.scr" /s)
else
  PROGRAM=("$BIN/Vantrel.dll")
fi

source "$ROOT/scripts/wine-env.sh"
headless=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  headless=0
fi
trap vantrel_cleanup EXIT
if [ "$headless" = 1 ]; then
  vantrel_null_sound_home "$BUILD_ROOT/win/runhome"
fi
vantrel_wine_prefix
vantrel_display
vantrel_wine_session

if [ "$headless" = 0 ]; then
  echo "Running ${PROGRAM[*]} on $DISPLAY; press Escape to end it."
  wine "${PROGRAM[@]}"
  exit 0
fi

echo "No display: running ${PROGRAM[*]} on virtual display $DISPLAY for ${SECONDS_TO_RUN}s."
mkdir -p "$SHOTS"
wine "${PROGRAM[@]}" &
pid=$!
for i in $(seq 1 "$SECONDS_TO_RUN"); do
  sleep 1
  import -window root "$SHOTS/frame-$i.png" 2>/dev/null || true
done
win=$(xdotool search --name '^Vantrel_VC$' 2>/dev/null | head -1 || true)
if [ -n "$win" ]; then
  xdotool key --window "$win" Escape
else
  xdotool key Escape
fi
for i in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "The screensaver did not end after Escape." >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi
wait "$pid" || true
echo "Screenshots saved in $SHOTS"
