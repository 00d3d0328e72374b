#!/usr/bin/env bash
# Sourced by the scripts that run or measure the programs: the release build
# folders under $BUILD_ROOT (win: mingw-w64; linux: the hack without
# sanitizers), configured as the test command configures them and built for
# the targets named (none: all). Needs ROOT and BUILD_ROOT.

vantrel_build_windows() {  # target...
  local target targets=()
  for target in "$@"; do targets+=(--target "$target"); done
  cmake -S "$ROOT" -B "$BUILD_ROOT/win" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD_ROOT/win" -j "$(nproc)" "${targets[@]}"
}

vantrel_build_linux() {  # target...
  local target targets=()
  for target in "$@"; do targets+=(--target "$target"); done
  # NOTE: cpack packs what is built; installing builds nothing more.
  cmake -S "$ROOT" -B "$BUILD_ROOT/linux" -DCMAKE_BUILD_TYPE=Release \
    -DVANTREL_SANITIZE=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
  cmake --build "$BUILD_ROOT/linux" -j "$(nproc)" "${targets[@]}"
}
