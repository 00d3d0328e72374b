#!/usr/bin/env bash
# Xorg with the dummy driver: a real X server with XRandR modes and rates,
# which Xvfb lacks. Source it, write WORK_DIR/xorg.conf, call
# vantrel_xorg_display WORK_DIR, and vantrel_xorg_stop at the end; it stops
# only what it started. Needs root (absolute -config and -logfile paths).

VANTREL_STARTED_XORG=""

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
