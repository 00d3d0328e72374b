#!/usr/bin/env bash
# End to end with Debian's mate-screensaver: it finds the packaged desktop
# entry through its menu, with the theme screensavers-vantrel selected runs
# the hack on --activate (lit, coloured and moving) and ends it within 2 s of
# --deactivate; its preferences program previews it in a small window.
#   bash tests/linux/mate_screensaver_test.sh <vantrel-xscreensaver_*.deb>
# NOTE: mate-screensaver runs only programs in its own and XScreenSaver's
# hack folders, so the hack is put in place as installed (in a mount
# namespace of the test's own) and the entry read unchanged from the package.
set -euo pipefail

DEB="$(realpath "$1")"
if [ -z "${VANTREL_UNPACKED:-}" ]; then
  exec bash "$(dirname "${BASH_SOURCE[0]}")/with_installed_hack.sh" "$DEB" \
    bash "${BASH_SOURCE[0]}" "$DEB"
fi
if [ -z "${VANTREL_IN_SESSION:-}" ]; then
  # A session bus of its own, for gsettings (dconf) and the saver. The
  # environment is set first: the bus starts dconf's service with its own.
  WORK="$(mktemp -d)"
  mkdir -p -m 700 "$WORK/home" "$WORK/config" "$WORK/runtime"
  set +e
  env -u DBUS_SESSION_BUS_ADDRESS VANTREL_IN_SESSION="$WORK" HOME="$WORK/home" \
    XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" \
    dbus-run-session -- bash "${BASH_SOURCE[0]}" "$@" 2> >(grep -v '^dbus-daemon' >&2)
  code=$?
  rm -rf "$WORK"
  exit "$code"
fi

WORK="$VANTREL_IN_SESSION"
XVFB_PID=""
SAVER_PID=""
PREFS_PID=""
cleanup() {
  [ -n "$PREFS_PID" ] && kill "$PREFS_PID" 2>/dev/null || true
  [ -n "$SAVER_PID" ] && kill "$SAVER_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; [ -f "$WORK/saver.log" ] && tail -20 "$WORK/saver.log"; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/screen_checks.sh"

HACK=/usr/libexec/xscreensaver/vantrel
cmp -s "$HACK" "$VANTREL_UNPACKED$HACK" || fail "the packaged hack is not in place"
# The package's entry, where the menu looks for a user's own entries.
export NO_AT_BRIDGE=1 XDG_DATA_HOME="$VANTREL_UNPACKED/usr/share" XDG_CURRENT_DESKTOP=MATE

gsettings set org.mate.screensaver mode "'single'"
gsettings set org.mate.screensaver themes "['screensavers-vantrel']"
gsettings set org.mate.screensaver lock-enabled false
gsettings set org.mate.screensaver idle-activation-enabled false
[ "$(gsettings get org.mate.screensaver themes)" = "['screensavers-vantrel']" ] \
  || fail "gsettings did not keep the theme"

start_own_xvfb

mate-screensaver --no-daemon >"$WORK/saver.log" 2>&1 &
SAVER_PID=$!
for _ in $(seq 1 100); do mate-screensaver-command --query >/dev/null 2>&1 && break; sleep 0.1; done
mate-screensaver-command --query >/dev/null 2>&1 || fail "mate-screensaver did not answer"

# Running, not a zombie that waits to be reaped.
hack_running() {
  local pid
  for pid in $(pgrep -f -- "^$HACK --root" || true); do
    [ "$(ps -o stat= -p "$pid" | cut -c1)" != Z ] && return 0
  done
  return 1
}
mate-screensaver-command --activate >/dev/null
for _ in $(seq 1 100); do hack_running && break; sleep 0.1; done
hack_running || fail "--activate did not start the hack"
pid=$(pgrep -f -- "^$HACK --root" | head -1)
echo "ok: --activate started $(tr '\0' ' ' </proc/$pid/cmdline) at nice $(ps -o ni= -p "$pid" | tr -d ' ')," \
  "with $(tr '\0' '\n' </proc/$pid/environ | grep '^XSCREENSAVER_WINDOW=')"

expect_flight root 20000

mate-screensaver-command --deactivate >/dev/null
start=$(date +%s.%N)
for _ in $(seq 1 40); do hack_running || break; sleep 0.05; done
hack_running && fail "the hack still runs 2 s after --deactivate"
echo "ok: the hack was gone $(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.2f", e - s }') s after --deactivate"

# The preferences program previews the selected theme in a window of its own.
mate-screensaver-preferences >"$WORK/prefs.log" 2>&1 &
PREFS_PID=$!
for _ in $(seq 1 150); do hack_running && break; sleep 0.1; done
hack_running || fail "the preferences program did not start the hack"
pid=$(pgrep -f -- "^$HACK --root" | head -1)
preview=$(tr '\0' '\n' </proc/"$pid"/environ | sed -n 's/^XSCREENSAVER_WINDOW=//p')
size=$(xwininfo -id "$preview" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
echo "ok: the preview runs the hack in $preview, $size"
expect_flight "$preview" 1000
kill "$PREFS_PID"
PREFS_PID=""
for _ in $(seq 1 40); do hack_running || break; sleep 0.05; done
hack_running && fail "the preview's hack still runs 2 s after the preferences closed"
echo "ok: closing the preferences ended the preview's hack"
