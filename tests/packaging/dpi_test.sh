#!/usr/bin/env bash
# At 144 DPI (1.5 times the standard 96) the screensaver still works in true
# pixels: the size it writes for the renderer is the screen's real size, and
# the settings dialog lays itself out in twips at 10 twips per pixel, so its
# client area grows by the DPI ratio (7470 x 3975 twips: 747 x 398 pixels
# instead of 498 x 265).
# Runs in a copy of the test prefix, since the resolution is prefix-wide.
set -euo pipefail
source "$(dirname "$0")/x_windows.sh"
BIN="$1"
export LANG=C.UTF-8
SOURCE_PREFIX="$WINEPREFIX"
export WINEPREFIX
WINEPREFIX=$(mktemp -d /tmp/vantrel-dpi.XXXXXX)
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

cp -a "$SOURCE_PREFIX/." "$WINEPREFIX/"
rm -f "$WINEPREFIX/drive_c/orlek_temp/Vantrel.ini"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
wineserver -k >/dev/null 2>&1 || true   # the resolution is read when the server starts
wineserver -w

screen=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) pixels.*/\1 \2/p')
read -r screen_w screen_h <<<"$screen"

# A saver run writes the screen's size for the renderer.
wine "$BIN/Vantrel.scr" /s >/dev/null 2>&1 &
pid=$!
win=$(wait_for_window '^Vantrel_VC$')
[ -n "$win" ] || { kill $pid 2>/dev/null; fail "no renderer window at 144 DPI"; }
read -r rw rh < <(window_size "$win")
sleep 0.5
end_by_escape "$win" $pid || { kill $pid; fail "the saver did not end after Escape"; }
wait $pid || true
ini=$(tr -d '\r' < "$WINEPREFIX/drive_c/orlek_temp/Vantrel.ini")
grep -qx "Width= $screen_w" <<<"$ini" || fail "Width is not $screen_w: $ini"
grep -qx "Height= $screen_h" <<<"$ini" || fail "Height is not $screen_h: $ini"
[ "$rw" = "$screen_w" ] && [ "$rh" = "$screen_h" ] \
  || fail "renderer window ${rw}x${rh}, screen ${screen_w}x${screen_h}"
echo "144 DPI: settings hold the screen's ${screen_w}x${screen_h}; the renderer covers it"

# The dialog grows by 144/96.
wine "$BIN/Vantrel.scr" /c >/dev/null 2>&1 &
pid=$!
dialog=$(wait_for_window 'Vantrel■$')
[ -n "$dialog" ] || { kill $pid 2>/dev/null; fail "no settings dialog at 144 DPI"; }
sleep 0.5
read -r dw dh < <(window_size "$dialog")
kill $pid 2>/dev/null || true
wait $pid 2>/dev/null || true
[ "$dw" -ge 746 ] && [ "$dw" -le 748 ] && [ "$dh" -ge 397 ] && [ "$dh" -le 398 ] \
  || fail "dialog client area ${dw}x${dh}, expected 747x398"
echo "144 DPI: dialog client area ${dw}x${dh} (498x265 at 96 DPI)"
