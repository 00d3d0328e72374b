# Sourced by the packaging tests: finding a program's window on the X display
# and ending a run the way a user does.

# Prints the X id of the first window whose name matches the regex, waiting
# up to 30 s; prints nothing when none appears.
wait_for_window() {
  local win="" i
  for i in $(seq 1 150); do
    win=$(xdotool search --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$win" ] && break
    sleep 0.2
  done
  echo "$win"
}

# Presses Escape in the window and waits up to 5 s for the process to end;
# false when it is still running.
end_by_escape() {
  local win="$1" pid="$2" i
  xdotool key --window "$win" Escape
  for i in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# The client size "width height" of an X window.
window_size() {
  xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}'
}

# One measured run of the renderer under Wine: starts `exe` with the
# variables given after it, at full speed with 1000 stars, lets it draw for
# `seconds`, then ends it with Escape; its figures go to `stats` (a Unix
# path). Prints why and returns 1 when the run fails.
measured_renderer_run() {
  local seconds="$1" stats="$2" exe="$3" pid win
  shift 3
  rm -f "$stats"
  env "$@" VANTREL_PACING=off VANTREL_HOLD_STARS=1000 \
    VANTREL_FRAME_STATS="$(winepath -w "$stats")" \
    wine "$exe" >/dev/null 2>&1 &
  pid=$!
  win=$(wait_for_window '^Vantrel_VC$')
  if [ -z "$win" ]; then
    kill "$pid" 2>/dev/null || true
    echo "no renderer window" >&2
    return 1
  fi
  sleep "$seconds"
  if ! end_by_escape "$win" "$pid"; then
    kill "$pid" 2>/dev/null || true
    echo "the renderer did not end after Escape" >&2
    return 1
  fi
  wait "$pid" || true
}
