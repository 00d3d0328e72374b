#!/usr/bin/env bash
# The test command's groups, sourced by scripts/test.sh (needs ROOT,
# BUILD_ROOT, JOBS and LOGS). A group is a build, shared by the builds'
# queue, and its tests:
#   native   the ASan + UBSan build, its unit tests and X11 tests
#   wayland  the cases under headless sway and Weston (the native build)
#   package  the release build, its Debian package and the package's tests
#   fuzz     the clang build of the libFuzzer targets, each fuzzed a while
#   wine     the mingw-w64 build, its tests in Wine sessions side by side
# Each group writes <group>.log and <group>.result ("passed failed status
# build-seconds test-seconds build-cpu test-cpu") under $LOGS.

source "$ROOT/scripts/release-builds.sh"

# Builds of groups whose tests take longest go first: the others' tests
# then run while later builds take the processors they leave idle. The Wine
# tests that count frames a second ("alone") run first, beside the next
# builds only: the other groups' tests start once they are done.
VANTREL_BUILD_ORDER=(wine package native fuzz)
# Builds yield to the tests already running, whose waits and frame rates
# should not depend on a compiler beside them: the tests run at a higher
# priority where that is allowed (root), the builds at a lower one otherwise.
if [ "$(id -u)" = 0 ]; then
  VANTREL_TEST_NICE="${VANTREL_TEST_NICE:--5}"
  VANTREL_BUILD_NICE="${VANTREL_BUILD_NICE:-0}"
else
  VANTREL_TEST_NICE="${VANTREL_TEST_NICE:-0}"
  VANTREL_BUILD_NICE="${VANTREL_BUILD_NICE:-10}"
fi

# The CPU seconds (user + system) of this shell's finished children.
# NOTE: times must run in this shell, not in a pipeline's subshell.
children_cpu() {
  local f
  f=$(mktemp)
  times >"$f"
  tail -1 "$f" | awk '{
    n = split($0, t, " ")
    s = 0
    for (i = 1; i <= n; i++) { split(t[i], p, "m"); s += p[1] * 60 + p[2] }
    printf "%d", s }'
  rm -f "$f"
}

vantrel_build() {  # group
  case "$1" in
    native)
      cmake -S "$ROOT" -B "$BUILD_ROOT/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
      cmake --build "$BUILD_ROOT/native" -j "$JOBS" ;;
    package)
      vantrel_build_linux vantrel
      (cd "$BUILD_ROOT/linux" && cpack >/dev/null) ;;
    fuzz)
      VANTREL_SKIP_DEPS=1 VANTREL_BUILD_ROOT="$BUILD_ROOT" VANTREL_FUZZ_PART=build \
        bash "$ROOT/scripts/fuzz.sh" "${VANTREL_FUZZ_SECONDS:-10}" ;;
    wine)
      vantrel_build_windows ;;
  esac
}

# Runs the wanted groups' builds one after the other, at low priority; each
# leaves <group>.built ("status seconds cpu-seconds") for its tests.
vantrel_build_queue() {  # wanted groups...
  local group start status cpu
  for group in "${VANTREL_BUILD_ORDER[@]}"; do
    [[ " $* " == *" $group "* ]] || [[ "$group" = native && " $* " == *" wayland "* ]] \
      || continue
    echo "== $group: build started ($(( $(date +%s) - started )) s)"
    start=$(date +%s)
    set +e
    cpu=$(
      { renice -n "$VANTREL_BUILD_NICE" -p "$BASHPID" >/dev/null; vantrel_build "$group"; } \
        >>"$LOGS/$group.log" 2>&1
      status=$?
      children_cpu
      exit "$status"
    )
    status=$?
    set -e
    echo "$status $(( $(date +%s) - start )) $cpu" > "$LOGS/$group.built.tmp"
    mv "$LOGS/$group.built.tmp" "$LOGS/$group.built"
    echo "== $group: build $([ "$status" = 0 ] && echo done || echo FAILED) in $(( $(date +%s) - start )) s"
  done
}

# Marks the Wine tests that count frames a second as done (or not run), so
# the other groups' tests may start.
alone_tests_done() {
  touch "$LOGS/alone.done"
}

# Waits, in a group other than wine, until the tests that count frames a
# second are done: until then they have the tests' processors to themselves.
wait_for_alone_tests() {
  [[ " ${GROUPS_RUN[*]} " == *" wine "* ]] || return 0
  while [ ! -f "$LOGS/alone.done" ]; do sleep 1; done
}

# Waits for the build group $1 needs; false when it failed.
wait_for_build() {
  while [ ! -f "$LOGS/$1.built" ]; do sleep 1; done
  [ "$(cut -d' ' -f1 "$LOGS/$1.built")" = 0 ]
}

# Runs ctest in a build folder; prints "passed failed" and returns its status.
run_ctest() {  # dir log ctest-args...
  local dir="$1" log="$2" rc line
  shift 2
  set +e
  (cd "$dir" && ctest --output-on-failure "$@") >"$log" 2>&1
  rc=$?
  set -e
  ctest_counts "$log"
  return "$rc"
}

# "passed failed" from a ctest log (0 0 when it ran none).
ctest_counts() {
  local line
  line=$(grep -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$1" | tail -1 || true)
  if [ -n "$line" ]; then
    sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2 \1/' <<<"$line" \
      | awk '{print $1 - $2, $2}'
  else
    echo "0 0"
  fi
}

vantrel_group_tests() {  # group ctest-args...
  local group="$1"
  shift
  case "$group" in
    native)
      export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
      export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
      run_ctest "$BUILD_ROOT/native" "$LOGS/native.ctest" -LE wayland -j "$JOBS" "$@" ;;
    wayland)
      export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
      export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
      run_ctest "$BUILD_ROOT/native" "$LOGS/wayland.ctest" -L wayland "$@" ;;
    package)
      run_ctest "$BUILD_ROOT/linux" "$LOGS/package.ctest" -L package "$@" ;;
    fuzz)
      local rc=0
      VANTREL_SKIP_DEPS=1 VANTREL_BUILD_ROOT="$BUILD_ROOT" VANTREL_FUZZ_PART=run \
        bash "$ROOT/scripts/fuzz.sh" "${VANTREL_FUZZ_SECONDS:-10}" "$@" \
        >"$LOGS/fuzz.ctest" 2>&1 || rc=1
      ctest_counts "$LOGS/fuzz.ctest"
      return "$rc" ;;
    wine)
      local rc=0 together alone
      alone=$(run_ctest "$BUILD_ROOT/win" "$LOGS/wine-alone.ctest" -L alone \
        --resource-spec-file "$VANTREL_WINE_SESSIONS/resources.json" "$@") || rc=1
      alone_tests_done
      together=$(run_ctest "$BUILD_ROOT/win" "$LOGS/wine.ctest" -LE alone \
        -j "$VANTREL_WINE_SESSION_COUNT" \
        --resource-spec-file "$VANTREL_WINE_SESSIONS/resources.json" "$@") || rc=1
      cat "$LOGS/wine-alone.ctest" >>"$LOGS/wine.ctest"
      echo "$together $alone" | awk '{ print $1 + $3, $2 + $4 }'
      return "$rc" ;;
  esac
}

# A group's whole run, in the background: its tests once its build is done.
vantrel_run_group() {  # group ctest-args...
  local group="$1" build="native" test_start test_s status=0 counts
  shift
  [ "$group" = wayland ] || build="$group"
  # Progress lines go to the run's output (3), the rest to the group's log.
  exec 3>&1 >>"$LOGS/$group.log" 2>&1
  if [ "$group" = wine ]; then
    # The sessions start while the build runs.
    source "$ROOT/scripts/wine-env.sh"
    source "$ROOT/scripts/wine-sessions.sh"
    VANTREL_WINE_SESSION_COUNT="${VANTREL_WINE_SESSION_COUNT:-2}"
    trap 'vantrel_wine_sessions_cleanup "$BUILD_ROOT/win/sessions"' EXIT
    trap 'exit 1' INT TERM
    vantrel_wine_sessions "$BUILD_ROOT/win/sessions" "$VANTREL_WINE_SESSION_COUNT" \
      || status=1
  fi
  if ! wait_for_build "$build"; then
    echo "the $build build failed"
    status=1
  fi
  [ "$group" = wine ] || wait_for_alone_tests
  test_start=$(date +%s)
  counts="0 0"
  if [ "$status" = 0 ]; then
    echo "== $group tests"
    renice -n "$VANTREL_TEST_NICE" -p "$BASHPID" >/dev/null 2>&1 || true
    set +e
    # NOTE: the tests run in this substitution's shell, so their CPU is
    # counted there.
    counts=$(
      vantrel_group_tests "$group" "$@"
      rc=$?
      children_cpu > "$LOGS/$group.testcpu"
      exit "$rc"
    )
    status=$?
    set -e
    cat "$LOGS/$group.ctest"
  fi
  [ "$group" = wine ] && alone_tests_done
  test_s=$(( $(date +%s) - test_start ))
  read -r b_status b_s b_cpu < "$LOGS/$build.built" || true
  [ "$group" = wayland ] && b_s=0 b_cpu=0
  echo "$counts $status ${b_s:-0} $test_s ${b_cpu:-0} $(cat "$LOGS/$group.testcpu" 2>/dev/null || echo 0)" \
    > "$LOGS/$group.result"
  read -r p f <<<"$counts"
  echo "== $group: tests $([ "$status" = 0 ] && echo passed || echo FAILED) in $test_s s: $p passed, $f failed" >&3
}

# Prints the failed groups' logs, the times and the closing line; exits
# non-zero on any failure.
vantrel_report() {  # wall-seconds groups...
  local wall="$1" group passed=0 failed=0 status=0 p f s bs ts bc tc
  shift
  for group in "$@"; do
    read -r p f s bs ts bc tc < "$LOGS/$group.result" 2>/dev/null \
      || { p=0 f=0 s=1 bs=0 ts=0 bc=0 tc=0; }
    if [ "$s" != 0 ]; then
      status=1
      echo "==== $group FAILED: the end of $LOGS/$group.log"
      tail -n 200 "$LOGS/$group.log"
    fi
  done
  echo "== times (wall seconds, CPU seconds in brackets; builds took turns)"
  printf '%-8s %14s %14s  %s\n' group build tests result
  for group in "$@"; do
    read -r p f s bs ts bc tc < "$LOGS/$group.result" 2>/dev/null \
      || { p=0 f=0 s=1 bs=0 ts=0 bc=0 tc=0; }
    printf '%-8s %14s %14s  %s passed, %s failed%s\n' "$group" "$bs ($bc)" "$ts ($tc)" \
      "$p" "$f" "$([ "$s" = 0 ] || echo ", FAILED")"
    passed=$((passed + p))
    failed=$((failed + f))
  done
  echo "whole run: $wall s; logs in $LOGS"
  echo "all: $passed passed, $failed failed"
  exit "$status"
}
