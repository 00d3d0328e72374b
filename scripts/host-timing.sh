#!/usr/bin/env bash
# Measures the host under Wine: the time from starting "Vantrel.scr /s" to
# the renderer's window and to its first drawn picture on the screen, and the
# host's CPU use while the saver runs (its timers should cost next to nothing).
#
#   VANTREL_BUILD_ROOT=dir       build folders (default ./build)
#   VANTREL_TIMING_RUNS=n        runs to measure (default 3)
#   VANTREL_TIMING_SECONDS=n     length of the CPU sample per run (default 10)
#   VANTREL_SKIP_BUILD=1         use the programs already built
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"
RUNS="${VANTREL_TIMING_RUNS:-3}"
SAMPLE="${VANTREL_TIMING_SECONDS:-10}"

source "$ROOT/scripts/deps.sh"
[ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps
source "$ROOT/scripts/release-builds.sh"
if [ "${VANTREL_SKIP_BUILD:-0}" != 1 ]; then
  vantrel_build_windows vantrel_programs >/dev/null
fi
BIN="$BUILD_ROOT/win/bin"

source "$ROOT/scripts/wine-env.sh"
trap vantrel_cleanup EXIT
vantrel_null_sound_home "$BUILD_ROOT/win/timinghome"
vantrel_wine_prefix
vantrel_display 1024x768x24
vantrel_wine_session

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
# CPU ticks (user + system) of a Unix process.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
# Mean brightness of the screen, 0 to 1.
screen_mean() { import -window root -resize 64x48 -format '%[fx:mean]' info: 2>/dev/null || echo 0; }

hz=$(getconf CLK_TCK)
for run in $(seq 1 "$RUNS"); do
  start=$(now_ms)
  wine "$BIN/Vantrel.scr" /s >/dev/null 2>&1 &
  pid=$!
  window_ms=""
  picture_ms=""
  for i in $(seq 1 1500); do
    if [ -z "$window_ms" ] && xdotool search --name '^Vantrel_VC$' >/dev/null 2>&1; then
      window_ms=$(( $(now_ms) - start ))
    fi
    if [ -n "$window_ms" ]; then
      # NOTE: the first frame is seen from outside as the first picture that
      # is no longer black; a screenshot costs about a tenth of a second.
      if awk -v m="$(screen_mean)" 'BEGIN { exit !(m > 0.004) }'; then
        picture_ms=$(( $(now_ms) - start ))
        break
      fi
    fi
    sleep 0.02
  done
  ticks0=$(cpu_ticks "$pid")
  t0=$(now_ms)
  sleep "$SAMPLE"
  ticks1=$(cpu_ticks "$pid")
  t1=$(now_ms)
  win=$(xdotool search --name '^Vantrel_VC$' 2>/dev/null | head -1 || true)
  escape_ms=$(now_ms)
  [ -n "$win" ] && xdotool key --window "$win" Escape
  for i in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  end_ms=$(( $(now_ms) - escape_ms ))
  if kill -0 "$pid" 2>/dev/null; then
    echo "run $run: the host did not end after Escape" >&2
    kill "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
  awk -v r="$run" -v w="${window_ms:-none}" -v p="${picture_ms:-none}" -v e="$end_ms" \
      -v dt=$((ticks1 - ticks0)) -v hz="$hz" -v ms=$((t1 - t0)) 'BEGIN {
    printf "run %d: window after %s ms, first picture after %s ms; host CPU %.2f%% (%d ms in %.1f s); host gone %d ms after Escape\n",
           r, w, p, 100 * dt * 1000 / hz / ms, dt * 1000 / hz, ms / 1000, e }'
done
