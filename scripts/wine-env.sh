#!/usr/bin/env bash
# Wine and display environment for running the Windows programs here.
# Source it, then call vantrel_wine_prefix, vantrel_display and, at the end,
# vantrel_cleanup (which stops only what these functions started).
#
#   VANTREL_WINEPREFIX  the prefix (default ~/.cache/vantrel/wine); give each
#                       concurrent test run its own, since window titles are
#                       looked up across the whole Wine session.

export WINEPREFIX="${VANTREL_WINEPREFIX:-${HOME}/.cache/vantrel/wine}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

VANTREL_STARTED_XVFB=""

# Creates the prefix once; later runs reuse it.
vantrel_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
}

# Uses $DISPLAY when an X server answers there, otherwise starts Xvfb.
# NOTE: Xvfb picks the display number itself (-displayfd): sessions started
# at the same moment would otherwise race for the same free number.
vantrel_display() {
  local geometry="${1:-1024x768x24}"
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local numbers n=""
  numbers=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp +extension GLX \
    3>"$numbers" >/dev/null 2>&1 &
  VANTREL_STARTED_XVFB=$!
  local i
  for i in $(seq 1 100); do
    n=$(head -1 "$numbers")
    [ -n "$n" ] && break
    kill -0 "$VANTREL_STARTED_XVFB" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numbers"
  if [ -n "$n" ]; then
    export DISPLAY=":$n"
    return 0
  fi
  kill "$VANTREL_STARTED_XVFB" 2>/dev/null || true
  VANTREL_STARTED_XVFB=""
  echo "could not start Xvfb" >&2
  return 1
}

# A home whose ALSA default is a null device, so MCI and PlaySound find a
# wave output without real sound hardware. Only for tests and headless runs.
# The device also records what is played into $VANTREL_AUDIO_CAPTURE (raw
# samples), so tests can see sound flow and stop.
vantrel_null_sound_home() {
  local home="$1"
  mkdir -p "$home"
  export VANTREL_AUDIO_CAPTURE="$home/audio-capture.raw"
  printf 'pcm.!default { type file slave.pcm "null" file "%s" format "raw" }\n' \
    "$VANTREL_AUDIO_CAPTURE" > "$home/.asoundrc"
  export HOME="$home"
}

# Starts a persistent server and the desktop process outside any captured
# output.
# NOTE: Wine's system processes (explorer, services) inherit the stdout of the
# first program that needs them; inside ctest they would hold its pipe open
# and every test would wait for its timeout.
vantrel_wine_session() {
  wineserver -p
  wine rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 </dev/null || true
}

vantrel_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$VANTREL_STARTED_XVFB" ]; then
    kill "$VANTREL_STARTED_XVFB" 2>/dev/null || true
    wait "$VANTREL_STARTED_XVFB" 2>/dev/null || true
    VANTREL_STARTED_XVFB=""
  fi
}
