#!/usr/bin/env bash
# Xorg with the dummy driver: a real X server with XRandR modes and rates,
# which Xvfb lacks, and a Wine prefix for programs on it. Source it, write
# WORK_DIR/xorg.conf, call vantrel_xorg_display WORK_DIR (and
# vantrel_xorg_wine_prefix WORK_DIR for Wine), and vantrel_xorg_wine_stop and
# vantrel_xorg_stop at the end; they stop only what was started. Needs root
# (absolute -config and -logfile paths).

VANTREL_STARTED_XORG=""
VANTREL_XORG_WINE_PREFIX=""

# The start of an xorg.conf for dummy screens: no input devices looked for.
vantrel_xorg_server_flags() {
  cat <<'CONF'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
EndSection
CONF
}

# The sections of dummy screen N (devN, monN, scrN) showing one mode: its
# name and its modeline's numbers; optionally the monitor's vertical rates
# (default 20.0-75.0) and line rates in kHz (default 5.0-80.0), which every
# mode added later must fit too.
vantrel_xorg_dummy_screen() {
  local n="$1" name="$2" timings="$3" vert="${4:-20.0-75.0}" horiz="${5:-5.0-80.0}"
  cat <<CONF
Section "Device"
  Identifier "dev$n"
  Driver "dummy"
  VideoRam 32768
EndSection
Section "Monitor"
  Identifier "mon$n"
  HorizSync $horiz
  VertRefresh $vert
  Modeline "$name" $timings
EndSection
Section "Screen"
  Identifier "scr$n"
  Device "dev$n"
  Monitor "mon$n"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "$name"
  EndSubSection
EndSection
CONF
}

# Starts Xorg on a free display with $1/xorg.conf and exports DISPLAY; false
# when it cannot.
# NOTE: Xorg picks the number itself (-displayfd), so servers started at the
# same moment by tests running side by side never race for one.
vantrel_xorg_display() {
  local WORK="$1" n="" i
  rm -f "$WORK/display"
  Xorg -noreset +extension GLX -nolisten tcp -config "$WORK/xorg.conf" \
    -logfile "$WORK/xorg.log" -displayfd 3 3>"$WORK/display" >/dev/null 2>&1 &
  VANTREL_STARTED_XORG=$!
  for i in $(seq 1 100); do
    n=$(head -1 "$WORK/display")
    [ -n "$n" ] && break
    kill -0 "$VANTREL_STARTED_XORG" 2>/dev/null || break
    sleep 0.1
  done
  if [ -n "$n" ]; then
    export DISPLAY=":$n"
    return 0
  fi
  vantrel_xorg_stop
  echo "Xorg did not start (see $WORK/xorg.log)" >&2
  return 1
}

vantrel_xorg_stop() {
  if [ -n "$VANTREL_STARTED_XORG" ]; then
    kill "$VANTREL_STARTED_XORG" 2>/dev/null || true
    wait "$VANTREL_STARTED_XORG" 2>/dev/null || true
    VANTREL_STARTED_XORG=""
  fi
}

# A Wine prefix $1/prefix for programs on this server, with its own Wine
# server running; vantrel_xorg_wine_stop ends that.
# NOTE: Wine reads the monitors when its server starts, so the prefix and its
# server are apart from any other session. Without UseXVidMode=N Wine 8
# aborts in its VidMode code and sees one monitor; without Managed=N it waits
# for a window manager on every full-monitor window.
vantrel_xorg_wine_prefix() {
  export WINEPREFIX="$1/prefix"
  VANTREL_XORG_WINE_PREFIX="$WINEPREFIX"
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

vantrel_xorg_wine_stop() {
  # Only this prefix's server: another session's may share the environment.
  if [ -n "$VANTREL_XORG_WINE_PREFIX" ]; then
    WINEPREFIX="$VANTREL_XORG_WINE_PREFIX" wineserver -k >/dev/null 2>&1 || true
    VANTREL_XORG_WINE_PREFIX=""
  fi
}
