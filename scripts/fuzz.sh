#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs each one
# for a bounded time from its seed corpus, printing executions and findings.
#   bash scripts/fuzz.sh [seconds-per-target]   (default 10; the test command
#                                                uses the default)
# A crash leaves its input as <build>/crash-* and fails the run.
#   VANTREL_FUZZ_PART=build|run   only build the targets, or only run them
#                                 (scripts/test.sh builds them in its turn)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${VANTREL_BUILD_ROOT:-$ROOT/build}/fuzz"
SECONDS_EACH="${1:-10}"

source "$ROOT/scripts/deps.sh"
[ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps

PART="${VANTREL_FUZZ_PART:-all}"
if [ "$PART" != run ]; then
  CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTREL_FUZZ=ON -DVANTREL_FUZZ_SECONDS="$SECONDS_EACH" >/dev/null
  cmake --build "$BUILD" -j "$(nproc)" --target fuzz_targets
fi
[ "$PART" = build ] && exit 0
cd "$BUILD"
set +e
ctest -L fuzz --output-on-failure -j "$(nproc)" "${@:2}" 2>&1 | tee fuzz.log
rc=${PIPESTATUS[0]}
set -e
echo "== fuzzing: executions and findings per target (${SECONDS_EACH}s each)"
for log in fuzz-logs/*.log; do
  name=$(basename "$log" .log)
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  echo "$name: ${execs:-?} executions"
done
findings=$(find . -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
echo "findings (crash, leak, timeout or oom inputs left in $BUILD): $findings"
exit "$rc"
