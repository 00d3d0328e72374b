#!/usr/bin/env bash
# Builds everything and runs every test: the portable code natively under
# AddressSanitizer and UndefinedBehaviorSanitizer, the Linux hack under
# Wayland compositors, its Debian package from a release build, the fuzz
# targets, then the Windows programs and their tests under Wine on virtual
# displays. Installs what is missing.
#
# The groups run side by side, each with its own displays, Wine prefixes and
# Wayland sockets; their builds take turns (one at a time, at low priority,
# so the tests already running keep their timing); the tests labelled
# "alone", which count frames a second, run right after their build, and
# every other group's tests wait until they are done. Each group's output goes to <build>/logs/<group>.log, printed in
# full when the group fails; the end shows each group's build and test times
# and the closing line
# "all: N passed, M failed".
#
#   VANTREL_TESTS=native|fuzz|linux|wine|all   which part to run (default
#                                   all; native includes the Wayland cases)
#   VANTREL_FUZZ_SECONDS=n          time each fuzz target runs (default 10)
#   VANTREL_BUILD_ROOT=dir          build folders (default ./build)
#   VANTREL_WINE_SESSION_COUNT=n    Wine sessions side by side (default 2)
#   extra arguments go to every ctest run, e.g. -R Ini
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"
WHICH="${VANTREL_TESTS:-all}"
JOBS="$(nproc)"
LOGS="$BUILD_ROOT/logs"

source "$ROOT/scripts/deps.sh"
[ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps
source "$ROOT/scripts/test-groups.sh"

wanted() {  # group
  case "$WHICH:$1" in
    all:*|native:native|native:wayland|linux:package|fuzz:fuzz|wine:wine) return 0 ;;
  esac
  return 1
}

GROUPS_RUN=()
for group in wine package native wayland fuzz; do
  wanted "$group" && GROUPS_RUN+=("$group")
done
[ "${#GROUPS_RUN[@]}" -gt 0 ] || { echo "unknown VANTREL_TESTS=$WHICH" >&2; exit 2; }

rm -rf "$LOGS"
mkdir -p "$LOGS"
started=$(date +%s)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup INT TERM

# The builds take turns, in this order: the group whose tests take longest
# first.
vantrel_build_queue "${GROUPS_RUN[@]}" &
pids+=($!)
for group in "${GROUPS_RUN[@]}"; do
  vantrel_run_group "$group" "$@" &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid" || true; done
trap - INT TERM

vantrel_report "$((  $(date +%s) - started ))" "${GROUPS_RUN[@]}"
