#!/usr/bin/env bash
# Prints what one frame's CPU update costs (1000 star advances and the
# ribbon), the ribbon from its tables beside the direct evaluation, in the
# same run: Google Benchmark natively, then the plain timing program natively
# and in the Windows build under Wine. Figures only; nothing is asserted.
#
#   VANTREL_BUILD_ROOT=dir   build folders (default ./build): bench, win
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"

source "$ROOT/scripts/deps.sh"
[ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps

cmake -S "$ROOT" -B "$BUILD_ROOT/bench" -DVANTREL_SANITIZE=OFF \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_ROOT/bench" -j "$(nproc)" \
  --target renderer_bench update_timing >/dev/null
cmake -S "$ROOT" -B "$BUILD_ROOT/win" \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_ROOT/win" -j "$(nproc)" --target update_timing >/dev/null

echo "== native, Google Benchmark (interleaved)"
"$BUILD_ROOT/bench/bin/renderer_bench" \
  --benchmark_filter='FrameUpdate|RibbonShape|StarAdvance' \
  --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true 2>&1 | grep -E 'median|Benchmark'

echo "== native, timing program"
"$BUILD_ROOT/bench/bin/update_timing"

echo "== Windows build under Wine, timing program"
source "$ROOT/scripts/wine-env.sh"
trap vantrel_cleanup EXIT
vantrel_wine_prefix
vantrel_display
vantrel_wine_session
wine "$BUILD_ROOT/win/bin/update_timing.exe" </dev/null
