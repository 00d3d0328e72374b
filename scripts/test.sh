#!/usr/bin/env bash
# Builds everything and runs every test: the portable code natively under
# AddressSanitizer and UndefinedBehaviorSanitizer, the Linux hack's Debian
# package from a release build, then the Windows programs and their tests
# under Wine on a virtual display. Installs what is missing.
#
#   VANTREL_TESTS=native|fuzz|linux|wine|all   which part to run (default all)
#   VANTREL_FUZZ_SECONDS=n          time each fuzz target runs (default 10)
#   VANTREL_BUILD_ROOT=dir          build folders (default ./build)
#   extra arguments go to both ctest runs, e.g. -R Ini
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"
WHICH="${VANTREL_TESTS:-all}"
JOBS="$(nproc)"

source "$ROOT/scripts/deps.sh"
[ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps

passed=0
failed=0
status=0

# Adds the counts of a ctest log to the totals.
count_ctest_log() {
  local log="$1" line
  line=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$log" | tail -1 || true)
  if [ -n "$line" ]; then
    local f t
    f=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    t=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + t - f))
    failed=$((failed + f))
  fi
}

# Runs ctest in a build folder and adds its counts to the totals.
run_ctest() {
  local dir="$1"; shift
  local log="$dir/ctest.log"
  set +e
  (cd "$dir" && ctest --output-on-failure "$@") 2>&1 | tee "$log"
  local rc=${PIPESTATUS[0]}
  set -e
  count_ctest_log "$log"
  [ "$rc" -eq 0 ] || status=1
}

if [ "$WHICH" = all ] || [ "$WHICH" = native ]; then
  echo "== native build (ASan + UBSan)"
  cmake -S "$ROOT" -B "$BUILD_ROOT/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
  cmake --build "$BUILD_ROOT/native" -j "$JOBS"
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  run_ctest "$BUILD_ROOT/native" -j "$JOBS" "$@"
fi

if [ "$WHICH" = all ] || [ "$WHICH" = linux ]; then
  echo "== Linux hack: release build, Debian package and its tests"
  cmake -S "$ROOT" -B "$BUILD_ROOT/linux" -DCMAKE_BUILD_TYPE=Release \
    -DVANTREL_SANITIZE=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
  cmake --build "$BUILD_ROOT/linux" -j "$JOBS" --target vantrel
  (cd "$BUILD_ROOT/linux" && cpack >/dev/null)
  run_ctest "$BUILD_ROOT/linux" -L package "$@"
fi

if [ "$WHICH" = all ] || [ "$WHICH" = fuzz ]; then
  echo "== fuzz targets (clang, libFuzzer, ASan + UBSan), ${VANTREL_FUZZ_SECONDS:-10}s each"
  set +e
  VANTREL_SKIP_DEPS=1 VANTREL_BUILD_ROOT="$BUILD_ROOT" \
    bash "$ROOT/scripts/fuzz.sh" "${VANTREL_FUZZ_SECONDS:-10}"
  [ $? -eq 0 ] || status=1
  set -e
  count_ctest_log "$BUILD_ROOT/fuzz/fuzz.log"
fi

if [ "$WHICH" = all ] || [ "$WHICH" = wine ]; then
  echo "== Windows build (mingw-w64), tests under Wine"
  cmake -S "$ROOT" -B "$BUILD_ROOT/win" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD_ROOT/win" -j "$JOBS"

  source "$ROOT/scripts/wine-env.sh"
  trap vantrel_cleanup EXIT
  vantrel_null_sound_home "$BUILD_ROOT/win/testhome"
  vantrel_wine_prefix
  vantrel_display
  vantrel_wine_session
  # Serial: the programs find each other by window title across the session.
  run_ctest "$BUILD_ROOT/win" -j 1 "$@"
fi

echo "all: $passed passed, $failed failed"
exit "$status"
