#!/usr/bin/env bash
# Several Wine sessions side by side, so the Windows tests can run two at a
# time: the programs find each other by window title, so each session has a
# display (Xvfb), a Wine prefix and server, and a home with a null sound
# device of its own. ctest hands a test one session through its resource
# "wine_session" (cmake/VantrelTesting.cmake) and scripts/in-wine-session.sh
# loads that session's variables from DIR/<id>.env.
# Source wine-env.sh, then this; call vantrel_wine_sessions DIR N and, at the
# end, vantrel_wine_sessions_cleanup DIR.
#   VANTREL_WINEPREFIX  the first session's prefix (default DIR/1/prefix); the
#                       others are copies of it, made once

# Creates the first prefix (wineboot, about 9 s) and copies it for the others.
vantrel_wine_session_prefixes() {
  local dir="$1" count="$2" n
  local first="${VANTREL_WINEPREFIX:-$dir/1/prefix}"
  (
    vantrel_null_sound_home "$dir/1/home"
    export WINEPREFIX="$first"
    vantrel_wine_prefix
  )
  for n in $(seq 2 "$count"); do
    [ -f "$dir/$n/prefix/system.reg" ] && continue
    rm -rf "$dir/$n/prefix"
    mkdir -p "$dir/$n"
    cp -a "$first" "$dir/$n/prefix"
  done
}

# Starts session N's display and Wine server and writes DIR/N.env.
vantrel_wine_session_start() {
  local dir="$1" n="$2" prefix="$3"
  (
    vantrel_null_sound_home "$dir/$n/home"
    export WINEPREFIX="$prefix"
    unset DISPLAY
    vantrel_display || exit 1
    echo "$VANTREL_STARTED_XVFB" > "$dir/$n/xvfb.pid"
    vantrel_wine_session
    {
      echo "export DISPLAY='$DISPLAY'"
      echo "export WINEPREFIX='$WINEPREFIX'"
      echo "export HOME='$HOME'"
      echo "export VANTREL_AUDIO_CAPTURE='$VANTREL_AUDIO_CAPTURE'"
    } > "$dir/$n.env"
  )
}

# The resources file ctest hands the sessions out from: N sessions of one slot.
vantrel_wine_sessions_spec() {
  local dir="$1" count="$2" n sep=""
  {
    printf '{"version": {"major": 1, "minor": 0}, "local": [{"wine_session": ['
    for n in $(seq 1 "$count"); do
      printf '%s{"id": "%s", "slots": 1}' "$sep" "$n"
      sep=", "
    done
    printf ']}]}\n'
  } > "$dir/resources.json"
}

# Sets up N sessions under DIR; exports VANTREL_WINE_SESSIONS=DIR for the
# launcher. The first session's variables also become this shell's, for
# tests run outside any session.
vantrel_wine_sessions() {
  local dir="$1" count="$2" n prefix pids=() status=0
  mkdir -p "$dir"
  vantrel_wine_session_prefixes "$dir" "$count"
  for n in $(seq 1 "$count"); do
    prefix="$dir/$n/prefix"
    [ "$n" = 1 ] && prefix="${VANTREL_WINEPREFIX:-$dir/1/prefix}"
    rm -f "$dir/$n.env"
    vantrel_wine_session_start "$dir" "$n" "$prefix" &
    pids+=($!)
  done
  for n in "${pids[@]}"; do wait "$n" || status=1; done
  [ "$status" = 0 ] || { echo "a Wine session did not start" >&2; return 1; }
  vantrel_wine_sessions_spec "$dir" "$count"
  export VANTREL_WINE_SESSIONS="$dir"
  # shellcheck disable=SC1091
  source "$dir/1.env"
}

# Stops each session's Wine server and display.
vantrel_wine_sessions_cleanup() {
  local dir="$1" env pid
  for env in "$dir"/*.env; do
    [ -f "$env" ] || continue
    (
      # shellcheck disable=SC1090
      source "$env"
      wineserver -k >/dev/null 2>&1 || true
    )
    pid=$(cat "${env%.env}/xvfb.pid" 2>/dev/null || true)
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -f "$env"
  done
}
