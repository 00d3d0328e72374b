# Sourced by the host tests: an X server of their own, the hack's process,
# and is the star flight on the screen?
# Needs $WORK (a scratch folder) and a fail function from the sourcing test.

# An Xvfb of the test's own, 1024x768 with GLX, given any further options
# (-ac lets an unprivileged client in): exports DISPLAY and sets XVFB_PID.
start_own_xvfb() {
  exec 3>"$WORK/display"
  Xvfb -displayfd 3 "$@" -screen 0 1024x768x24 -nolisten tcp +extension GLX \
    >/dev/null 2>&1 &
  XVFB_PID=$!
  exec 3>&-
  for _ in $(seq 1 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  [ -s "$WORK/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -1 "$WORK/display")"
}

# XScreenSaver's daemon, run through the test's as_nobody, its output in
# $WORK/daemon.log: sets DAEMON_PID and returns once it answers.
start_xscreensaver_daemon() {
  as_nobody xscreensaver -no-splash >"$WORK/daemon.log" 2>&1 &
  DAEMON_PID=$!
  # NOTE: a loaded machine once took over 10 s to bring the daemon up.
  for _ in $(seq 1 300); do as_nobody xscreensaver-command -time >/dev/null 2>&1 && break; sleep 0.1; done
  if ! as_nobody xscreensaver-command -time >/dev/null 2>&1; then
    kill -0 "$DAEMON_PID" 2>/dev/null || fail "the daemon ended at its start"
    fail "the daemon did not answer within 30 s"
  fi
}

# The pid of a process whose command line matches $1 and that runs, not a
# zombie waiting to be reaped; false when there is none.
running_pid() {
  local pid
  for pid in $(pgrep -f -- "$1" || true); do
    [ "$(ps -o stat= -p "$pid" | cut -c1)" != Z ] && { echo "$pid"; return 0; }
  done
  return 1
}

# The mean brightness of picture $1.
brightness_of() {
  convert "$1" -colorspace HSL -format '%[fx:mean.b]\n' info:
}

# Lit, coloured and moving: window $1 ("root" or an id), at least $2 pixels
# changed in half a second (default 20000), three seconds after the start or,
# on a loaded machine slow to show the first frames, once lit (up to 20 s).
expect_flight() {
  local window="$1" least="${2:-20000}" brightness saturation changed
  sleep 3
  for _ in $(seq 1 34); do
    import -window "$window" "$WORK/first.png"
    awk -v b="$(brightness_of "$WORK/first.png")" 'BEGIN { exit !(b > 0.03) }' && break
    sleep 0.5
  done
  sleep 0.5
  import -window "$window" "$WORK/second.png"
  read -r brightness saturation < <(convert "$WORK/second.png" -colorspace HSL \
    -format '%[fx:mean.b] %[fx:mean.g]\n' info:)
  changed=$(compare -metric AE "$WORK/first.png" "$WORK/second.png" null: 2>&1 || true)
  echo "window $window: brightness $brightness, saturation $saturation, $changed pixels changed in 0.5 s"
  awk -v b="$brightness" 'BEGIN { exit !(b > 0.03) }' || fail "$window is not lit"
  awk -v s="$saturation" 'BEGIN { exit !(s > 0.1) }' || fail "$window has no colour"
  [ "${changed%%.*}" -gt "$least" ] 2>/dev/null || fail "the picture in $window does not move"
  echo "ok: $window is lit, coloured and moving"
}
