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
