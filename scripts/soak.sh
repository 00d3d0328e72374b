#!/usr/bin/env bash
# Soak under Wine: N consecutive saver runs (Vantrel.scr /s, ended by Escape
# in the renderer) and N preview runs (Vantrel.scr /p <hwnd>, ended by
# destroying the parent window). Prints the runs, the processes left behind
# (must be 0), the settings file's integrity failures and the time each run
# took to end (min, median, max).
#
#   scripts/soak.sh [--saver N] [--preview N] [--run-ms MS] [--no-music]
#                   [--long S] [--bin DIR] [--in-session]
#   --long S       first keep one saver run going for S seconds, printing the
#                  resident memory and open descriptors of both programs
#                  every 10 s
#   --bin DIR      use the programs already built in DIR (no build)
#   --in-session   the Wine session and display are already set up (ctest)
#   VANTREL_BUILD_ROOT, VANTREL_WINEPREFIX, VANTREL_SKIP_DEPS as for test.sh
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${VANTREL_BUILD_ROOT:-$ROOT/build}"
SAVER=100
PREVIEW=100
RUN_MS=500
BIN=""
IN_SESSION=0
LONG=0
EXTRA=()
while [ $# -gt 0 ]; do
  case "$1" in
    --saver) SAVER="$2"; shift 2 ;;
    --preview) PREVIEW="$2"; shift 2 ;;
    --run-ms) RUN_MS="$2"; shift 2 ;;
    --no-music) EXTRA+=(--no-music); shift ;;
    --long) LONG="$2"; EXTRA+=(--long "$2"); shift 2 ;;
    --bin) BIN="$2"; shift 2 ;;
    --in-session) IN_SESSION=1; shift ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done

if [ -z "$BIN" ]; then
  source "$ROOT/scripts/deps.sh"
  [ "${VANTREL_SKIP_DEPS:-0}" = 1 ] || vantrel_ensure_deps
  source "$ROOT/scripts/release-builds.sh"
  vantrel_build_windows vantrel_soak
  BIN="$BUILD_ROOT/win/bin"
fi

if [ "$IN_SESSION" = 0 ]; then
  source "$ROOT/scripts/wine-env.sh"
  trap vantrel_cleanup EXIT
  vantrel_null_sound_home "$BUILD_ROOT/win/soakhome"
  vantrel_wine_prefix
  vantrel_display
  vantrel_wine_session
fi

# Ids of this prefix's Unix processes running Vantrel.scr or Vantrel.dll
# (other prefixes on the machine are not ours).
our_programs() {
  local pid
  for pid in $(pgrep -f 'Vantrel\.(scr|dll)' || true); do
    if { tr '\0' '\n' < "/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
    fi
  done
}

# Samples the long run every 10 s, then prints each program's growth from
# the first sample after 20 s (start-up done) to the last.
sample_long_run() {
  local seconds="$1" t=0 pid name rss fds cpu samples
  samples=$(mktemp)
  sleep 5
  while [ $((t + 10)) -le "$seconds" ]; do
    for pid in $(our_programs); do
      name=$({ tr '\0' ' ' < "/proc/$pid/cmdline"; } 2>/dev/null | grep -o 'Vantrel\.\(scr\|dll\)' | head -1)
      rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null)
      fds=$(ls "/proc/$pid/fd" 2>/dev/null | wc -l)
      cpu=$({ sed 's/.*) //' "/proc/$pid/stat"; } 2>/dev/null | awk '{printf "%.1f", ($12 + $13) / 100}')
      [ -n "$name" ] && [ -n "$rss" ] || continue
      echo "  long run ~$((t + 5)) s: $name resident ${rss} KB, ${fds} descriptors, ${cpu} s of processor"
      echo "$t $name $rss $fds" >> "$samples"
    done
    sleep 10
    t=$((t + 10))
  done
  awk '$1 >= 20 { if (!($2 in rss0)) { rss0[$2] = $3; fd0[$2] = $4 } rss1[$2] = $3; fd1[$2] = $4 }
       END { for (n in rss0) printf "long run growth after start-up: %s %+d KB resident, %+d descriptors\n", n, rss1[n] - rss0[n], fd1[n] - fd0[n] }' "$samples"
  rm -f "$samples"
}

started=$(date +%s)
sampler=""
if [ "$LONG" -gt 0 ]; then
  sample_long_run "$LONG" &
  sampler=$!
fi
set +e
(cd "$BIN" && wine ./vantrel_soak.exe --saver "$SAVER" --preview "$PREVIEW" --run-ms "$RUN_MS" \
   ${EXTRA[@]+"${EXTRA[@]}"})
status=$?
set -e
[ -z "$sampler" ] || wait "$sampler"

# A second count from outside Wine.
unix_left=$(our_programs | wc -l)
echo "Unix processes of Vantrel.scr or Vantrel.dll left in this prefix: $unix_left"
echo "soak took $(( $(date +%s) - started )) s"
[ "$unix_left" = 0 ] || status=1
exit "$status"
