#!/usr/bin/env bash
# Pacing and visibility in figures, on one 1024x768 Xvfb (whose XRandR rate
# is 0, so 60 Hz stands for it): frames a second and CPU share of
#   preview   the Linux hack in a 320x240 window, as a settings program's
#             preview gives it (--window-id)
#   full      the hack on the whole display (--root)
#   unmapped  the hack's preview after its window was unmapped (CPU only)
#   wine      Vantrel.dll under Wine at 640x480
#   uncapped  the hack's preview and Vantrel.dll with VANTREL_PACING=off: the
#             scene at full speed, which pacing must leave as it was
#   refresh   the hack on Xorg's dummy driver at 60, 120 and 144 Hz (as root;
#             its swaps are not paced, so the rate shows the pacing)
# at 50 stars (VANTREL_HOLD_STARS: the count a run starts with, so both
# builds draw the same load however many frames they run), before and after. "before" is an earlier
# build when given (paced as this one), otherwise this build with
# VANTREL_PACING=off (the same frames back to back; the unmapped row then
# shows only this build).
# Rounds interleaved; medians printed.
#
#   VANTREL_BUILD_ROOT=dir          build folders (default ./build)
#   VANTREL_FPS_SECONDS=n           length of each run (default 5)
#   VANTREL_FPS_ROUNDS=n            rounds (default 2)
#   VANTREL_PACING_BASELINE_HACK=f  an earlier build of the hack
#   VANTREL_PACING_BASELINE_DLL=f   an earlier build of Vantrel.dll
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"
SECONDS_TO_RUN="${VANTREL_FPS_SECONDS:-5}"
ROUNDS="${VANTREL_FPS_ROUNDS:-2}"
BASE_HACK="${VANTREL_PACING_BASELINE_HACK:-}"
BASE_DLL="${VANTREL_PACING_BASELINE_DLL:-}"

source "$ROOT/scripts/deps.sh"
[ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps
source "$ROOT/scripts/release-builds.sh"

vantrel_build_windows vantrel_renderer >/dev/null
vantrel_build_linux vantrel >/dev/null
HACK="$BUILD_ROOT/linux/bin/vantrel"
DLL="$BUILD_ROOT/win/bin/Vantrel.dll"

source "$ROOT/scripts/wine-env.sh"
source "$ROOT/tests/packaging/x_windows.sh"  # wait_for_window, end_by_escape
OUT="$(mktemp -d)"
INI_DIR="$WINEPREFIX/drive_c/orlek_temp"
INI="$INI_DIR/Vantrel.ini"
restore() {
  if [ -f "$OUT/Vantrel.ini.saved" ]; then cp "$OUT/Vantrel.ini.saved" "$INI"; else rm -f "$INI"; fi
  [ -n "${PREVIEW_PID:-}" ] && kill "$PREVIEW_PID" 2>/dev/null || true
  rm -rf "$OUT"
  vantrel_cleanup
}
trap restore EXIT
vantrel_null_sound_home "$BUILD_ROOT/win/fpshome"
vantrel_wine_prefix
unset DISPLAY  # a virtual display of known size, not the user's
vantrel_display 1024x768x24
vantrel_wine_session
mkdir -p "$INI_DIR"
[ -f "$INI" ] && cp "$INI" "$OUT/Vantrel.ini.saved"

# CPU seconds (user and system) of a process so far.
cpu_of() {
  awk -v tck="$(getconf CLK_TCK)" '{ sub(/.*\) /, ""); print ($12 + $13) / tck }' \
    "/proc/$1/stat" 2>/dev/null || echo 0
}

# A plain 320x240 top-level window standing for a settings program's preview
# (no widgets of its own over the hack's picture), made through Xlib.
open_preview() {
  python3 "$ROOT/scripts/hold-x-window.py" 320 240 >"$OUT/preview" &
  PREVIEW_PID=$!
  PREVIEW=""
  for _ in $(seq 1 100); do
    PREVIEW=$(head -1 "$OUT/preview" 2>/dev/null || true)
    [ -n "$PREVIEW" ] && break
    sleep 0.05
  done
}
close_preview() {
  kill "$PREVIEW_PID" 2>/dev/null || true
  wait "$PREVIEW_PID" 2>/dev/null || true
  PREVIEW_PID=""
}

# Frames a second from a stats file; "-" without one.
stats_fps() {
  awk '$1 == "frames" { f = $2 } $1 == "seconds" { s = $2 }
       END { if (s > 0) printf "%.1f", f / s; else print "-" }' "$1" 2>/dev/null || echo -
}

# One hack run: row, column, executable, pacing (on|off). Appends
# "row column fps cpu-share" to $OUT/runs; the CPU share is taken from the
# second second to the end, after start-up.
measure_hack() {
  local row="$1" column="$2" exe="$3" pacing="$4" stats="$OUT/stats.txt" args
  rm -f "$stats"
  if [ "$row" = full ]; then
    args=(--root)
  else
    open_preview
    args=(--window-id "$PREVIEW")
  fi
  env -u XSCREENSAVER_WINDOW VANTREL_PACING="$pacing" VANTREL_HOLD_STARS=50 \
    VANTREL_FRAME_STATS="$stats" "$exe" "${args[@]}" >/dev/null 2>&1 &
  local pid=$!
  sleep 1
  [ "$row" = unmapped ] && xdotool windowunmap "$PREVIEW"
  sleep 0.5
  local c0 t0 c1 t1
  c0=$(cpu_of "$pid"); t0=$(date +%s.%N)
  sleep "$SECONDS_TO_RUN"
  c1=$(cpu_of "$pid"); t1=$(date +%s.%N)
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" || true
  [ "$row" = full ] || close_preview
  local fps; fps=$(stats_fps "$stats")
  [ "$row" = unmapped ] && fps=-
  awk -v r="$row" -v c="$column" -v f="$fps" -v c0="$c0" -v c1="$c1" -v t0="$t0" -v t1="$t1" \
    'BEGIN { printf "%s %s %s %.3f\n", r, c, f, (c1 - c0) / (t1 - t0) }' >> "$OUT/runs"
}

# One Vantrel.dll run at 640x480: row, column, executable, pacing.
measure_wine() {
  local row="$1" column="$2" exe="$3" pacing="$4" stats="$OUT/stats.txt"
  printf '[Settings]\r\nWidth= 640\r\nHeight= 480\r\n' > "$INI"
  rm -f "$stats"
  env VANTREL_PACING="$pacing" VANTREL_HOLD_STARS=50 \
    VANTREL_FRAME_STATS="$(winepath -w "$stats")" wine "$exe" >/dev/null 2>&1 &
  local pid=$! win
  win=$(wait_for_window '^Vantrel_VC$')
  if [ -z "$win" ]; then kill "$pid" 2>/dev/null || true; echo "$row: no window" >&2; return 1; fi
  sleep "$SECONDS_TO_RUN"
  end_by_escape "$win" "$pid" || { kill "$pid" 2>/dev/null || true; echo "$row: no end" >&2; return 1; }
  wait "$pid" || true
  awk -v r="$row" -v c="$column" '$1 == "frames" { f = $2 } $1 == "seconds" { s = $2 }
    $1 == "cpu" { u = $2 } END { if (s > 0) printf "%s %s %.1f %.3f\n", r, c, f / s, u / s }' \
    "$stats" >> "$OUT/runs"
}

HACK_BEFORE="${BASE_HACK:-$HACK}"
HACK_BEFORE_PACING=off
[ -n "$BASE_HACK" ] && HACK_BEFORE_PACING=on
DLL_BEFORE="${BASE_DLL:-$DLL}"
echo "Xvfb $DISPLAY 1024x768, ${SECONDS_TO_RUN} s a run, $ROUNDS rounds interleaved, 50 stars"
echo "before: ${BASE_HACK:-this hack, pacing off} / ${BASE_DLL:-this Vantrel.dll, pacing off}"
for round in $(seq 1 "$ROUNDS"); do
  for row in preview full unmapped; do
    measure_hack "$row" before "$HACK_BEFORE" "$HACK_BEFORE_PACING"
    measure_hack "$row" after "$HACK" on
  done
  measure_hack uncapped before "$HACK_BEFORE" off
  measure_hack uncapped after "$HACK" off
  measure_wine wine before "$DLL_BEFORE" off || true
  measure_wine wine after "$DLL" on || true
  measure_wine wine-uncapped before "$DLL_BEFORE" off || true
  measure_wine wine-uncapped after "$DLL" off || true
done

# The hack on the root window of Xorg's dummy driver at 640x480, switched
# between 60, 120 and 144 Hz; rows refresh-60 and so on.
measure_refresh() {
  [ "$(id -u)" = 0 ] && command -v Xorg >/dev/null || return 0
  source "$ROOT/scripts/xorg-dummy.sh"
  local saved="$DISPLAY" hz timings column exe pid stats="$OUT/stats.txt"
  timings="640 656 752 800 480 490 492 525"
  { vantrel_xorg_server_flags
    vantrel_xorg_dummy_screen 0 640x480_60 "25.2 $timings" 20.0-160.0; } >"$OUT/xorg.conf"
  vantrel_xorg_display "$OUT" || { export DISPLAY="$saved"; return 0; }
  xrandr --newmode 640x480_120 50.4 $timings && xrandr --addmode DUMMY0 640x480_120
  xrandr --newmode 640x480_144 60.48 $timings && xrandr --addmode DUMMY0 640x480_144
  for round in $(seq 1 "$ROUNDS"); do
    for hz in 60 120 144; do
      xrandr --output DUMMY0 --mode "640x480_$hz"
      for column in before after; do
        exe="$HACK"; [ "$column" = before ] && exe="$HACK_BEFORE"
        rm -f "$stats"
        env -u XSCREENSAVER_WINDOW VANTREL_HOLD_STARS=50 VANTREL_FRAME_STATS="$stats" \
          "$exe" --root >/dev/null 2>&1 &
        pid=$!
        sleep "$SECONDS_TO_RUN"
        kill -TERM "$pid" 2>/dev/null || true
        wait "$pid" || true
        awk -v r="refresh-$hz" -v c="$column" '$1 == "frames" { f = $2 } $1 == "seconds" { s = $2 }
          $1 == "cpu" { u = $2 } END { if (s > 0) printf "%s %s %.1f %.3f\n", r, c, f / s, u / s }' \
          "$stats" >> "$OUT/runs"
      done
    done
  done
  vantrel_xorg_stop
  export DISPLAY="$saved"
}
measure_refresh

python3 - "$OUT/runs" <<'PY'
import statistics, sys
runs = {}
for line in open(sys.argv[1]):
    row, column, fps, cpu = line.split()
    runs.setdefault((row, column), []).append((fps, float(cpu)))
def cell(row, column, show_fps=True):
    r = runs.get((row, column))
    if not r: return "-"
    cpu = statistics.median(c for _, c in r)
    fps = [float(f) for f, _ in r if f != "-"]
    text = f"{statistics.median(fps):.1f} fps, " if show_fps and fps else ""
    return text + f"{100 * cpu:.0f} % of a core"
rows = [("preview", "hack, 320x240 preview window", True),
        ("full", "hack, full screen 1024x768", True),
        ("unmapped", "hack, preview window unmapped", False),
        ("wine", "Vantrel.dll under Wine, 640x480", True),
        ("uncapped", "hack preview, pacing off", True),
        ("wine-uncapped", "Vantrel.dll 640x480, pacing off", True),
        ("refresh-60", "hack on Xorg dummy at 60 Hz", True),
        ("refresh-120", "hack on Xorg dummy at 120 Hz", True),
        ("refresh-144", "hack on Xorg dummy at 144 Hz", True)]
print("| what | before | after |\n|---|---|---|")
for key, label, show in rows:
    print(f"| {label} | {cell(key, 'before', show)} | {cell(key, 'after', show)} |")
PY
