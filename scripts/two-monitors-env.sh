#!/usr/bin/env bash
# A real two-monitor desktop for the Windows programs: Xorg with the dummy
# driver, two 1024x768 screens side by side under Xinerama, and a Wine prefix
# of its own that sees both monitors. Source it, call vantrel_two_monitors
# WORK_DIR (config, log and prefix go there), and vantrel_two_monitors_cleanup
# at the end; it stops only what it started.

source "$(dirname "${BASH_SOURCE[0]}")/xorg-dummy.sh"
VANTREL_TWO_MONITORS_PREFIX=""

# Writes the server's configuration into $1/xorg.conf.
vantrel_two_monitors_config() {
  local timings="65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync"
  {
    vantrel_xorg_server_flags
    vantrel_xorg_dummy_screen 0 1024x768 "$timings"
    vantrel_xorg_dummy_screen 1 1024x768 "$timings"
    cat <<'CONF'
Section "ServerLayout"
  Identifier "two"
  Screen 0 "scr0"
  Screen 1 "scr1" RightOf "scr0"
  Option "Xinerama" "on"
EndSection
CONF
  } > "$1/xorg.conf"
}

# Starts Xorg on a free display and exports DISPLAY; false when it cannot.
vantrel_two_monitors_display() {
  vantrel_two_monitors_config "$1"
  vantrel_xorg_display "$1"
}

# The prefix $1/prefix, set to see both monitors, with its server running.
# NOTE: Wine reads the monitors when its server starts, so the prefix and its
# server are apart from any other session. Without UseXVidMode=N Wine 8
# aborts in its VidMode code and sees one monitor; without Managed=N it waits
# for a window manager on every full-monitor window.
vantrel_two_monitors_prefix() {
  export WINEPREFIX="$1/prefix"
  VANTREL_TWO_MONITORS_PREFIX="$WINEPREFIX"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  local key='HKCU\Software\Wine\X11 Driver'
  wine reg add "$key" /v UseXVidMode /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add "$key" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  # The desktop process outside any captured output (see wine-env.sh).
  wineserver -p
  wine rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 </dev/null || true
}

# Both: the display, then the prefix.
vantrel_two_monitors() {
  mkdir -p "$1"
  vantrel_two_monitors_display "$1" && vantrel_two_monitors_prefix "$1"
}

vantrel_two_monitors_cleanup() {
  # Only this prefix's server: another session's may share the environment.
  if [ -n "$VANTREL_TWO_MONITORS_PREFIX" ]; then
    WINEPREFIX="$VANTREL_TWO_MONITORS_PREFIX" wineserver -k >/dev/null 2>&1 || true
  fi
  vantrel_xorg_stop
}
