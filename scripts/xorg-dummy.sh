#!/usr/bin/env bash
# Xorg with the dummy driver: a real X server with XRandR modes and rates,
# which Xvfb lacks. Source it, write WORK_DIR/xorg.conf, call
# vantrel_xorg_display WORK_DIR, and vantrel_xorg_stop at the end; it stops
# only what it started. Needs root (absolute -config and -logfile paths).

VANTREL_STARTED_XORG=""

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
# name and its modeline's numbers.
vantrel_xorg_dummy_screen() {
  local n="$1" name="$2" timings="$3"
  cat <<CONF
Section "Device"
  Identifier "dev$n"
  Driver "dummy"
  VideoRam 32768
EndSection
Section "Monitor"
  Identifier "mon$n"
  HorizSync 5.0-80.0
  VertRefresh 20.0-75.0
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
vantrel_xorg_display() {
  local WORK="$1" n i
  for n in $(seq 119 160); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xorg -noreset +extension GLX -nolisten tcp -config "$WORK/xorg.conf" \
      -logfile "$WORK/xorg.log" ":$n" >/dev/null 2>&1 &
    VANTREL_STARTED_XORG=$!
    export DISPLAY=":$n"
    for i in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    vantrel_xorg_stop
  done
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
