#!/usr/bin/env bash
# What a second monitor costs the renderer: frames per second of the main
# window, and CPU milliseconds a frame, under Wine on a real two-monitor
# desktop (scripts/two-monitors-env.sh) at 1000 stars and 1024x768. Kinds:
#   one        the second monitor under a black cover, as with one monitor
#              (VANTREL_OTHER_MONITORS=cover)
#   two        a scene window there drawn with the main window's context,
#              made current on each window in turn (what users get)
#   two-own    a scene window with a context of its own that shares the
#              main one's GL objects (VANTREL_SCENE_CONTEXT=own)
# Rounds interleaved; the medians and their ratios are printed. Pacing is
# off (VANTREL_PACING=off): full-speed figures.
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

vantrel_build_windows vantrel_renderer >/dev/null
BIN="$BUILD_ROOT/win/bin"

source "$ROOT/scripts/two-monitors-env.sh"
source "$ROOT/tests/packaging/x_windows.sh"  # measured_renderer_run
OUT="$(mktemp -d)"
finish() {
  rm -rf "$OUT"
  vantrel_two_monitors_cleanup
}
trap finish EXIT
unset DISPLAY
vantrel_two_monitors "$BUILD_ROOT/win/fps-monitors"
INI_DIR="$WINEPREFIX/drive_c/orlek_temp"
mkdir -p "$INI_DIR"
printf '[Settings]\r\nWidth= 1024\r\nHeight= 768\r\n' > "$INI_DIR/Vantrel.ini"

# One run of a kind; appends "kind fps cpu-ms" to $OUT/runs.
measure() {
  local kind="$1" stats="$OUT/stats.txt" env=()
  case "$kind" in
    one) env=(VANTREL_OTHER_MONITORS=cover) ;;
    two) ;;
    two-own) env=(VANTREL_SCENE_CONTEXT=own) ;;
  esac
  measured_renderer_run "$SECONDS_TO_RUN" "$stats" "$BIN/Vantrel.dll" "${env[@]}" || {
    echo "$kind: failed" >&2
    return 1
  }
  [ -f "$stats" ] || { echo "$kind: no statistics" >&2; return 1; }
  local frames seconds cpu
  { read -r _ frames; read -r _ seconds; read -r _ cpu; } < <(tr -d '\r' < "$stats")
  awk -v k="$kind" -v f="$frames" -v s="$seconds" -v c="$cpu" \
    'BEGIN { if (f > 0 && s > 0) printf "%s %.3f %.3f\n", k, f / s, 1000 * c / f }' \
    >> "$OUT/runs"
}

KINDS=(one two two-own)
echo "Renderer under Wine on a two-monitor desktop ($DISPLAY, 2 x 1024x768), 1000 stars,"
echo "${SECONDS_TO_RUN} s a run, $ROUNDS rounds interleaved (CPU: the whole renderer process)"
for round in $(seq 1 "$ROUNDS"); do
  for kind in "${KINDS[@]}"; do measure "$kind" || true; done
done

python3 - "$OUT/runs" <<'PY'
import statistics, sys
runs = {}
for line in open(sys.argv[1]):
    kind, fps, cpu = line.split()
    runs.setdefault(kind, []).append((float(fps), float(cpu)))
def median(kind, i):
    return statistics.median(r[i] for r in runs.get(kind, [(0, 0)]))
for kind in ("one", "two", "two-own"):
    if kind not in runs: continue
    fps = [f"{r[0]:.1f}" for r in runs[kind]]
    print(f"  {kind:<8} {median(kind, 0):7.1f} frames/s  "
          f"{median(kind, 1):6.2f} ms CPU a frame   (runs: {', '.join(fps)})")
for label, top, bottom in (("two / one", "two", "one"),
                           ("two-own / two", "two-own", "two")):
    if top in runs and median(bottom, 0) > 0:
        print(f"  {label:<14} {median(top, 0) / median(bottom, 0):5.2f}")
one, two = median("one", 0), median("two", 0)
if one > 0 and two > 0:
    print(f"  the second monitor costs {1000 / two - 1000 / one:.2f} ms a frame")
PY
