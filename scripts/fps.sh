#!/usr/bin/env bash
# Measures the real renderer under Wine, and the Linux hack natively on the
# same virtual display: frames per second and CPU milliseconds per frame at
# 1000 stars, at 1024x768 and 1920x1080. Kinds of frame:
#   scene            the star flight as users get it: where the swap keeps
#                    the back buffer (Mesa does), drawn straight into it, with
#                    the pass that takes 8-bit light to black
#   scene-unfloored  the same without that pass: what the precision costs
#   scene-16bit      the 16-bit framebuffer picture, used where the swap does
#                    not keep the back buffer
#   bare             only the fade, kept and presented as every frame is
#   bare-unfloored   the same without the floor pass; with bare, what the
#                    pass costs a frame, steadier than two scene rates
#   plain            only the fade into the window's back buffer, and the swap
#   hack             the Linux hack's star flight (its own window, or --root)
#   hack-bare        the hack's bare frame
# The star count is held at 1000 (VANTREL_HOLD_STARS): raised by the keys,
# it grows past 1000 to 0 within eleven frames. Pacing is off
# (VANTREL_PACING=off): these are full-speed figures; scripts/pacing-fps.sh
# measures the paced programs.
# Three rounds, interleaved; the medians and their ratios are printed.
#
#   VANTREL_BUILD_ROOT=dir   build folders (default ./build)
#   VANTREL_FPS_SECONDS=n    length of each run (default 5)
#   VANTREL_FPS_ROUNDS=n     rounds (default 3)
#   VANTREL_FPS_KINDS="a b"  only these kinds (default all of the above)
#   VANTREL_FPS_BASELINE=exe an earlier Vantrel.dll, whose bare frame is
#                            measured in the same rounds as "bare before"
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
vantrel_build_linux vantrel >/dev/null
HACK="$BUILD_ROOT/linux/bin/vantrel"

source "$ROOT/scripts/wine-env.sh"
source "$ROOT/tests/packaging/x_windows.sh"  # measured_renderer_run
OUT="$(mktemp -d)"
INI_DIR="$WINEPREFIX/drive_c/orlek_temp"
INI="$INI_DIR/Vantrel.ini"
restore_settings() {
  if [ -f "$OUT/Vantrel.ini.saved" ]; then
    cp "$OUT/Vantrel.ini.saved" "$INI"
  else
    rm -f "$INI"
  fi
  rm -rf "$OUT"
  vantrel_cleanup
}
trap restore_settings EXIT
vantrel_null_sound_home "$BUILD_ROOT/win/fpshome"
vantrel_wine_prefix
unset DISPLAY  # a virtual display of known size, not the user's
vantrel_display 1920x1080x24
vantrel_wine_session

mkdir -p "$INI_DIR"
[ -f "$INI" ] && cp "$INI" "$OUT/Vantrel.ini.saved"

# Appends "size kind fps cpu-ms" from a stats file to $OUT/runs.
record() {
  local size="$1" kind="$2" stats="$3"
  [ -f "$stats" ] || { echo "$size $kind: no figures written" >&2; return 1; }
  awk -v size="$size" -v kind="$kind" '
    $1 == "frames" { f = $2 } $1 == "seconds" { s = $2 } $1 == "cpu" { c = $2 }
    END { if (f > 0 && s > 0) printf "%s %s %.1f %.2f\n", size, kind, f / s, 1000 * c / f }' \
    "$stats" >> "$OUT/runs"
}

# One run of the Linux hack: its own 1024x768 window, or the whole display.
measure_hack() {
  local size="$1" kind="$2" stats="$OUT/stats.txt" args=(--stars 1000) env=()
  [ "$size" = 1920x1080 ] && args+=(--root)
  [ "$kind" = hack-bare ] && env=(VANTREL_BARE_FRAME=1)
  rm -f "$stats"
  env -u XSCREENSAVER_WINDOW "${env[@]}" VANTREL_PACING=off VANTREL_HOLD_STARS=1000 \
    VANTREL_FRAME_STATS="$stats" "$HACK" "${args[@]}" >/dev/null 2>&1 &
  local pid=$!
  sleep "$SECONDS_TO_RUN"
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" || true
  record "$size" "$kind" "$stats"
}

# One run: size, kind; appends "size kind fps cpu-ms" to $OUT/runs.
measure() {
  case "$2" in hack*) measure_hack "$@"; return ;; esac
  local size="$1" kind="$2" stats="$OUT/stats.txt" env=() exe="$BIN/Vantrel.dll"
  case "$kind" in
    bare-before) exe="$VANTREL_FPS_BASELINE"; env=(VANTREL_BARE_FRAME=1) ;;
    scene) ;;
    scene-unfloored) env=(VANTREL_KEPT_PICTURE=unfloored) ;;
    scene-16bit) env=(VANTREL_KEPT_PICTURE=16bit) ;;
    bare) env=(VANTREL_BARE_FRAME=1) ;;
    bare-unfloored) env=(VANTREL_BARE_FRAME=1 VANTREL_KEPT_PICTURE=unfloored) ;;
    plain) env=(VANTREL_BARE_FRAME=plain) ;;
  esac
  printf '[Settings]\r\nWidth= %s\r\nHeight= %s\r\n' "${size%x*}" "${size#*x}" > "$INI"
  measured_renderer_run "$SECONDS_TO_RUN" "$stats" "$exe" "${env[@]}" || {
    echo "$size $kind: failed" >&2
    return 1
  }
  record "$size" "$kind" "$stats"
}

SIZES=(1024x768 1920x1080)
KINDS=(scene scene-unfloored scene-16bit bare bare-unfloored plain hack hack-bare)
[ -n "${VANTREL_FPS_BASELINE:-}" ] && KINDS+=(bare-before)
[ -n "${VANTREL_FPS_KINDS:-}" ] && read -r -a KINDS <<<"$VANTREL_FPS_KINDS"
echo "Renderer under Wine on $DISPLAY (1920x1080), ${SECONDS_TO_RUN} s a run, $ROUNDS rounds interleaved"
echo "(CPU: the renderer's whole process, all threads)"
for round in $(seq 1 "$ROUNDS"); do
  for size in "${SIZES[@]}"; do
    for kind in "${KINDS[@]}"; do measure "$size" "$kind" || true; done
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
    for kind in ("scene", "scene-unfloored", "scene-16bit", "bare",
                 "bare-unfloored", "plain", "bare-before", "hack", "hack-bare"):
        if (size, kind) not in runs: continue
        fps = [f"{r[0]:.1f}" for r in runs.get((size, kind), [])]
        print(f"  {kind:<15} {median(size, kind, 0):7.1f} frames/s  "
              f"{median(size, kind, 1):6.2f} ms CPU a frame   (runs: {', '.join(fps)})")
    def ratio(label, top, bottom):
        b = median(size, bottom, 0)
        if (size, top) in runs and b > 0:
            print(f"  {label:<24} {median(size, top, 0) / b:5.2f}")
    ratio("bare / plain", "bare", "plain")
    ratio("bare before / plain", "bare-before", "plain")
    ratio("scene / unfloored", "scene", "scene-unfloored")
    ratio("16-bit / scene", "scene-16bit", "scene")
    ratio("hack / scene", "hack", "scene")
    bare, unfloored, scene = (median(size, k, 0) for k in
                              ("bare", "bare-unfloored", "scene"))
    if bare > 0 and unfloored > 0 and scene > 0:
        cost = 1000 / bare - 1000 / unfloored
        print(f"  floor pass a frame       {cost:5.2f} ms, "
              f"{100 * cost * scene / 1000:4.1f} % of a scene frame")
PY
