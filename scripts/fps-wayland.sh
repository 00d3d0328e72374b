#!/usr/bin/env bash
# Measures `vantrel --wayland` under headless sway against the X11 hack on
# Xvfb, natively, in the same rounds: frames per second and CPU milliseconds
# per frame at 1000 stars, whole output or screen of 1024x768 and 1920x1080.
# Both run with pacing off (VANTREL_PACING=off): they draw as fast as they
# can, whatever the compositor or the display shows. The CPU
# figure is the program's own; sway's compositing is not in it.
# Three rounds, interleaved; the medians and the Wayland / X11 ratio.
#
#   VANTREL_BUILD_ROOT=dir   build folders (default ./build)
#   VANTREL_FPS_SECONDS=n    length of each run (default 5)
#   VANTREL_FPS_ROUNDS=n     rounds (default 3)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"
SECONDS_TO_RUN="${VANTREL_FPS_SECONDS:-5}"
ROUNDS="${VANTREL_FPS_ROUNDS:-3}"

source "$ROOT/scripts/deps.sh"
[ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps
source "$ROOT/scripts/release-builds.sh"
vantrel_build_linux vantrel >/dev/null
HACK="$BUILD_ROOT/linux/bin/vantrel"

source "$ROOT/tests/wayland/wayland_session.sh"
OUT="$SESSION_DIR/fps"
mkdir "$OUT"
XVFB_PIDS=()
end_all() {
  for pid in "${XVFB_PIDS[@]}" "${SWAY_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  end_session
}
trap end_all EXIT

# An Xvfb of its own for each size, on a display number free here.
declare -A XDISPLAY
start_xvfb() {
  local size="$1" number=$((170 + ${#XVFB_PIDS[@]}))
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
  done
  Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PIDS+=($!)
  XDISPLAY[$size]=":$number"
  wait_for "[ -e /tmp/.X11-unix/X$number ]"
}

# Appends "size kind fps cpu-ms" from a stats file to $OUT/runs.
record() {
  local size="$1" kind="$2" stats="$3"
  [ -f "$stats" ] || { echo "$size $kind: no figures written" >&2; return 1; }
  awk -v size="$size" -v kind="$kind" '
    $1 == "frames" { f = $2 } $1 == "seconds" { s = $2 } $1 == "cpu" { c = $2 }
    END { if (f > 0 && s > 0) printf "%s %s %.1f %.2f\n", size, kind, f / s, 1000 * c / f }' \
    "$stats" >> "$OUT/runs"
}

# Runs the program with the arguments after the size and kind for a run's
# length, then ends it with SIGTERM and records its figures.
run_for_a_while() {
  local size="$1" kind="$2" stats="$OUT/stats.txt"
  shift 2
  rm -f "$stats"
  VANTREL_HOLD_STARS=1000 VANTREL_FRAME_STATS="$stats" "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep "$SECONDS_TO_RUN"
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" || true
  record "$size" "$kind" "$stats"
}

measure_x11() {
  DISPLAY="${XDISPLAY[$1]}" run_for_a_while "$1" x11 \
    env -u XSCREENSAVER_WINDOW -u WAYLAND_DISPLAY VANTREL_PACING=off "$HACK" --root \
    --stars 1000
}

# A headless sway for each size, whose one output has it, kept for all
# rounds as the Xvfbs are; each takes the next free wayland-N socket.
declare -A WDISPLAY
SWAY_PIDS=()
start_sway_for() {
  local size="$1" number=$((1 + ${#SWAY_PIDS[@]}))
  cat > "$SESSION_DIR/sway-$size.conf" <<CONF
output * bg #000000 solid_color
output HEADLESS-1 mode $size
CONF
  chmod 644 "$SESSION_DIR/sway-$size.conf"
  "${AS_NOBODY[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman \
    WLR_LIBINPUT_NO_DEVICES=1 sway -c "$SESSION_DIR/sway-$size.conf" \
    >"$SESSION_DIR/sway-$size.log" 2>&1 &
  SWAY_PIDS+=($!)
  WDISPLAY[$size]="wayland-$number"
  wait_for "[ -S '$XDG_RUNTIME_DIR/wayland-$number' ]"
  sleep 2  # sway settles (swaybg, first frames) before any run
}

measure_wayland() {
  WAYLAND_DISPLAY="${WDISPLAY[$1]}" VANTREL_PACING=off run_for_a_while "$1" \
    wayland env -u DISPLAY "$HACK" --wayland --stars 1000
}

SIZES=(1024x768 1920x1080)
for size in "${SIZES[@]}"; do start_xvfb "$size"; start_sway_for "$size"; done
echo "vantrel --wayland under headless sway (pixman) against the X11 hack on Xvfb,"
echo "${SECONDS_TO_RUN} s a run, $ROUNDS rounds interleaved (CPU: the program's own, all threads)"
for round in $(seq 1 "$ROUNDS"); do
  for size in "${SIZES[@]}"; do
    measure_x11 "$size" || true
    measure_wayland "$size" || true
  done
done

python3 - "$OUT/runs" <<'PY'
import statistics, sys
runs = {}
for line in open(sys.argv[1]):
    size, kind, fps, cpu = line.split()
    runs.setdefault((size, kind), []).append((float(fps), float(cpu)))
def median(size, kind, i):
    return statistics.median(r[i] for r in runs.get((size, kind), [(0, 0)]))
for size in ("1024x768", "1920x1080"):
    print(f"{size}:")
    for kind in ("x11", "wayland"):
        if (size, kind) not in runs: continue
        fps = [f"{r[0]:.1f}" for r in runs[(size, kind)]]
        print(f"  {kind:<8} {median(size, kind, 0):7.1f} frames/s  "
              f"{median(size, kind, 1):6.2f} ms CPU a frame   (runs: {', '.join(fps)})")
    x11 = median(size, "x11", 0)
    if (size, "wayland") in runs and x11 > 0:
        print(f"  wayland / x11 {median(size, 'wayland', 0) / x11:5.2f}")
PY
