#!/usr/bin/env bash
# Install, run and uninstall round trip of the real installer under Wine:
# a silent install puts both programs and the registry values in place, the
# installed screensaver runs and ends on Escape, and a silent uninstall leaves
# no file of ours but the settings file and puts the previous saver back.
set -euo pipefail
source "$(dirname "$0")/x_windows.sh"
INSTALLER="$1"
DESKTOP='HKCU\Control Panel\Desktop'
C="$WINEPREFIX/drive_c"
LOCALAPPDATA_UNIX=$(winepath -u "$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')")
DIR="${LOCALAPPDATA_UNIX%/}/Programs/Vantrel"
SETTINGS="$C/orlek_temp/Vantrel.ini"

fail() { echo "FAIL: $*"; exit 1; }
reg_value() {  # prints the data of a REG_SZ value, nothing if absent
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
}

# A previous screensaver to come back to, and a settings file to keep.
wine reg add "$DESKTOP" /v SCRNSAVE.EXE /t REG_SZ /d 'C:\windows\system32\previous.scr' /f >/dev/null
mkdir -p "$C/orlek_temp"
[ -f "$SETTINGS" ] || printf '[Settings]\r\nWidth= 1024\r\n' > "$SETTINGS"
rm -rf "$DIR"

wine "$INSTALLER" /S
for f in Vantrel.scr Vantrel.dll Uninstall.exe; do
  [ -f "$DIR/$f" ] || fail "$f not installed in $DIR"
done
saver=$(reg_value "$DESKTOP" SCRNSAVE.EXE)
case "$saver" in
  *Vantrel.scr|*VANTREL.SCR|*VANTRE~*.SCR) echo "screensaver set: $saver" ;;
  *) fail "SCRNSAVE.EXE is '$saver'" ;;
esac
[ "$(reg_value "$DESKTOP" ScreenSaveActive)" = 1 ] || fail "ScreenSaveActive not 1"
ls "$C/users/"*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Vantrel/*.lnk >/dev/null 2>&1 \
  || fail "no Start-menu entry"

# The installed saver runs: its renderer window appears and Escape ends both.
wine "$DIR/Vantrel.scr" /s &
pid=$!
win=$(wait_for_window '^Vantrel_VC$')
[ -n "$win" ] || { kill $pid 2>/dev/null; fail "installed saver showed no renderer window"; }
sleep 1
end_by_escape "$win" $pid || { kill $pid; fail "installed saver did not end after Escape"; }
echo "installed saver ran and ended"
settings_before=$(md5sum < "$SETTINGS")

# NOTE: the uninstaller copies itself to a temporary folder, starts that copy
# and returns at once; wait for the copy to finish removing the folder.
wine "$DIR/Uninstall.exe" /S
for i in $(seq 1 100); do
  [ -e "$DIR" ] || break
  sleep 0.2
done
[ ! -e "$DIR" ] || fail "install folder left behind: $(ls "$DIR")"
for f in Vantrel.scr Vantrel.dll; do
  [ ! -e "$DIR/$f" ] || fail "$f left behind"
done
[ "$(reg_value "$DESKTOP" SCRNSAVE.EXE)" = 'C:\windows\system32\previous.scr' ] \
  || fail "previous screensaver not restored"
[ -f "$SETTINGS" ] || fail "settings file removed"
[ "$(md5sum < "$SETTINGS")" = "$settings_before" ] || fail "settings file changed"
wine reg delete "$DESKTOP" /v SCRNSAVE.EXE /f >/dev/null 2>&1 || true
echo "install, run and uninstall round trip passed"
