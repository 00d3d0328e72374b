#!/usr/bin/env bash
# Makes the preview still of Vantrel.scr (host/preview/preview.jpg) from the
# renderer's own drawing: builds vantrel_still, renders a frame of the scene
# under Wine and stores it as a 304 by 224 baseline JPEG: twice the settings
# page's 152 by 112 box, so the halftone scaling stays sharp up to 200 %.
#
#   VANTREL_BUILD_ROOT=dir   build folders (default ./build)
#   VANTREL_PREVIEW_SEED / VANTREL_PREVIEW_FRAMES   which frame (default 7 / 240)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"
SEED="${VANTREL_PREVIEW_SEED:-7}"
FRAMES="${VANTREL_PREVIEW_FRAMES:-240}"
OUT="$ROOT/host/preview/preview.jpg"

source "$ROOT/scripts/deps.sh"
[ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps
source "$ROOT/scripts/release-builds.sh"

vantrel_build_windows vantrel_still

source "$ROOT/scripts/wine-env.sh"
trap vantrel_cleanup EXIT
vantrel_wine_prefix
vantrel_display
vantrel_wine_session

work="$(mktemp -d)"
# The scene is rendered at the screen's proportions and then scaled down, as
# the full-screen saver would look in the small preview.
wine "$BUILD_ROOT/win/bin/vantrel_still.exe" 1024 754 "$SEED" "$FRAMES" "$work/still.bmp" </dev/null
mkdir -p "$(dirname "$OUT")"
convert "$work/still.bmp" -resize '304x224!' -strip -interlace none -quality 92 \
  -sampling-factor 2x2 "jpeg:$OUT"
rm -rf "$work"
identify "$OUT"
