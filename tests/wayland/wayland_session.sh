# Helpers for tests of `vantrel --wayland` against real compositors, sourced
# by the test scripts. Each session lives in a temp folder of its own: the
# compositor runs as nobody (sway refuses root) with its own HOME and
# XDG_RUNTIME_DIR, so its socket and IPC cannot meet another test's.

SESSION_DIR=$(mktemp -d /tmp/vantrel-wayland.XXXXXX)
chmod 755 "$SESSION_DIR"
export XDG_RUNTIME_DIR="$SESSION_DIR/run"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$SESSION_DIR/home"
chown nobody:nogroup "$XDG_RUNTIME_DIR" "$SESSION_DIR/home"
COMPOSITOR_PID=""
HACK_PID=""
FAILURES=0

# A command line prefix that runs as nobody in the session's environment;
# a simple command, so `$!` of a background run is the compositor itself.
AS_NOBODY=(setpriv --reuid=nobody --regid=nogroup --clear-groups env -i
  HOME="$SESSION_DIR/home" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" PATH=/usr/bin:/bin)

# Waits up to $2 seconds (default 10) for command $1 to succeed.
wait_for() {
  local deadline=$(( $(date +%s) + ${2:-10} ))
  while ! eval "$1" >/dev/null 2>&1; do
    [ "$(date +%s)" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

# Headless sway with two outputs, 640x480 and 320x240, side by side, on a
# magenta background no picture of the saver may show.
start_sway() {
  cat > "$SESSION_DIR/sway.conf" <<CONF
output * bg #ff00ff solid_color
output HEADLESS-1 mode 640x480 position 0 0
output HEADLESS-2 mode 320x240 position 640 0
output HEADLESS-3 mode 1x1 position 0 480
CONF
  chmod 644 "$SESSION_DIR/sway.conf"
  "${AS_NOBODY[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$SESSION_DIR/sway.conf" >"$SESSION_DIR/sway.log" 2>&1 &
  COMPOSITOR_PID=$!
  wait_for 'ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock' || return 1
  export SWAYSOCK WAYLAND_DISPLAY=wayland-1
  SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)
  wait_for 'swaymsg -t get_outputs'
}

# A second sway inside the first, whose outputs WL-1 and WL-2 are windows
# of the first: closing such a window removes the output, as an unplug
# does. Programs started after it use the inner one.
# NOTE: the headless backend of sway 1.7 cannot turn an output off or
# remove it ("output X disable" fails to commit).
start_nested_sway() {
  local run="$SESSION_DIR/inner-run"
  mkdir -m 700 "$run" && chown nobody:nogroup "$run"
  printf 'output * bg #ff00ff solid_color\n' >"$SESSION_DIR/inner.conf"
  chmod 644 "$SESSION_DIR/inner.conf"
  "${AS_NOBODY[@]}" XDG_RUNTIME_DIR="$run" WLR_BACKENDS=wayland \
    WAYLAND_DISPLAY="$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" WLR_RENDERER=pixman \
    WLR_LIBINPUT_NO_DEVICES=1 sway -c "$SESSION_DIR/inner.conf" \
    >"$SESSION_DIR/inner.log" 2>&1 &
  OUTER_SWAYSOCK=$SWAYSOCK
  wait_for 'ls "$run"/sway-ipc.*.sock' || return 1
  SWAYSOCK=$(ls "$run"/sway-ipc.*.sock)
  WAYLAND_DISPLAY="$run/wayland-1"
  wait_for 'swaymsg -t get_outputs' && add_sway_output
}

# Closes the first sway's window that holds the inner output $1.
remove_nested_output() {
  SWAYSOCK=$OUTER_SWAYSOCK swaymsg "[title=\"wlroots - $1\"] kill" >/dev/null
}

add_sway_output() {
  swaymsg create_output >/dev/null
}

# The current mode of output $1 as WIDTHxHEIGHT.
output_size() {
  swaymsg -t get_outputs -r | python3 -c '
import json, sys
for output in json.load(sys.stdin):
    if output["name"] == sys.argv[1]:
        mode = output["current_mode"]
        print("%dx%d" % (mode["width"], mode["height"]))' "$1"
}

sway_output_count() {
  swaymsg -t get_outputs | grep -c '"name": "HEADLESS-'
}

# Weston 10, headless, without the layer shell; its background magenta and
# no panel. --debug lets weston-screenshooter take pictures.
start_weston() {
  printf '[shell]\nbackground-color=0xffff00ff\npanel-position=none\n' \
    > "$SESSION_DIR/weston.ini"
  chmod 644 "$SESSION_DIR/weston.ini"
  "${AS_NOBODY[@]}" weston --backend=headless-backend.so --use-pixman \
    --width=640 --height=480 --socket=wayland-1 --idle-time=0 --debug \
    --config="$SESSION_DIR/weston.ini" >"$SESSION_DIR/weston.log" 2>&1 &
  COMPOSITOR_PID=$!
  export WAYLAND_DISPLAY=wayland-1
  wait_for '[ -S "$XDG_RUNTIME_DIR/wayland-1" ]'
}

# PPM screenshot of Weston's one output.
capture_weston() {
  local shots="$SESSION_DIR/shots"
  rm -rf "$shots" && mkdir -m 777 "$shots"
  (cd "$shots" && "${AS_NOBODY[@]}" WAYLAND_DISPLAY="$WAYLAND_DISPLAY" \
    weston-screenshooter) >/dev/null 2>&1
  convert "$shots"/*.png "$1"
}

# Starts the hack in the background with the given arguments.
start_hack() {
  "$HACK" "$@" >"$SESSION_DIR/hack.out" 2>"$SESSION_DIR/hack.err" &
  HACK_PID=$!
}

# True while the hack runs (a zombie counts as ended).
hack_running() {
  local state
  state=$(ps -o stat= -p "$HACK_PID" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "${state#Z}" = "$state" ]
}

# Waits up to $1 seconds for the hack to end; its exit code, or 255 when it
# still runs.
hack_exit_code() {
  local tries=$(( $1 * 10 ))
  while hack_running && [ "$tries" -gt 0 ]; do
    sleep 0.1
    tries=$((tries - 1))
  done
  hack_running && return 255
  wait "$HACK_PID"
}

# PPM screenshot of one output.
capture() {
  grim -t ppm -o "$1" "$2"
}

# True once output $1 holds no more background than a thousandth of it: the
# hack's surface covers it.
covered() {
  grim -t ppm -o "$1" - | python3 -c '
import sys
magic, size, depth, pixels = sys.stdin.buffer.read().split(b"\n", 3)
width, height = map(int, size.split())
magenta = sum(1 for i in range(0, len(pixels) - 2, 3) if pixels[i:i + 3] == b"\xff\x00\xff")
sys.exit(0 if magenta < width * height // 1000 else 1)'
}

# Waits up to 10 s for the hack to draw on every output given: it has then
# bound its seat and answers input.
wait_drawing() {
  local output
  for output in "$@"; do
    wait_for "covered $output" 10 || return 1
  done
}

# Prints "width height lit coloured magenta changed" for picture $1, the
# last compared with picture $2.
picture_figures() {
  python3 - "$1" "$2" <<'PY'
import sys
def load(path):
    data = open(path, 'rb').read()
    magic, size, depth, pixels = data.split(b'\n', 3)
    width, height = map(int, size.split())
    return width, height, pixels
w, h, a = load(sys.argv[1])
_, _, b = load(sys.argv[2])
lit = coloured = magenta = changed = 0
for i in range(0, w * h * 3, 3):
    r, g, bl = a[i], a[i + 1], a[i + 2]
    if max(r, g, bl) > 24: lit += 1
    if max(r, g, bl) - min(r, g, bl) > 24: coloured += 1
    if (r, g, bl) == (255, 0, 255): magenta += 1
    if a[i:i + 3] != b[i:i + 3]: changed += 1
print(w, h, lit, coloured, magenta, changed)
PY
}

# Prints the share, in percent, of 2x2 pixel blocks of picture $1 whose
# pixels differ: 0 for a picture scaled up from half its size.
fine_detail() {
  python3 - "$1" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
magic, size, depth, pixels = data.split(b'\n', 3)
w, h = map(int, size.split())
px = lambda x, y: pixels[3 * (y * w + x):3 * (y * w + x) + 3]
blocks = detailed = 0
for y in range(0, h - 1, 2):
    for x in range(0, w - 1, 2):
        blocks += 1
        a = px(x, y)
        if a != px(x + 1, y) or a != px(x, y + 1) or a != px(x + 1, y + 1):
            detailed += 1
print(100 * detailed // max(blocks, 1))
PY
}

check() {
  if eval "$2"; then
    echo "ok: $1"
  else
    echo "FAILED: $1 ($2)"
    FAILURES=$((FAILURES + 1))
  fi
}

end_session() {
  [ -n "$HACK_PID" ] && kill "$HACK_PID" 2>/dev/null
  if [ -n "$COMPOSITOR_PID" ]; then
    kill "$COMPOSITOR_PID" 2>/dev/null
    wait "$COMPOSITOR_PID" 2>/dev/null
  fi
  if [ "$FAILURES" -gt 0 ]; then
    echo "--- hack's stderr"; tail -20 "$SESSION_DIR/hack.err" 2>/dev/null
    echo "--- compositor's log"; tail -20 "$SESSION_DIR"/*.log 2>/dev/null
  fi
  rm -rf "$SESSION_DIR"
}
