#!/usr/bin/env bash
# vantrel --add-to-xscreensaver from the package, run as an unprivileged user
# on a file written by xscreensaver-settings (twice), a read-only one, a
# missing one and a FIFO, and as root on that user's file (the other files
# are the native tests'); then Debian's XScreenSaver daemon, given the edited
# file, runs the new entry on xscreensaver-command -select: lit, coloured and
# moving, and gone within 2 s of -deactivate.
#   bash tests/linux/xscreensaver_add_test.sh <vantrel-xscreensaver_*.deb>
set -euo pipefail

DEB="$1"
DATA="$(cd "$(dirname "${BASH_SOURCE[0]}")/../data/xscreensaver" && pwd)"
WORK="$(mktemp -d)"
chmod 755 "$WORK"
XVFB_PID=""
DAEMON_PID=""
cleanup() {
  [ -n "$DAEMON_PID" ] && kill "$DAEMON_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
checks=0
failures=0
check() {  # description, command...
  local what="$1"; shift
  checks=$((checks + 1))
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
fail() { echo "FAILED: $*"; [ -f "$WORK/daemon.log" ] && tail -20 "$WORK/daemon.log"; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/screen_checks.sh"

dpkg-deb -x "$DEB" "$WORK/root"
HACK_DIR="$WORK/root/usr/libexec/xscreensaver"
mkdir "$WORK/home"
chown nobody:nogroup "$WORK/home"
# NOTE: as nobody, so a read-only file is read-only (root may write it).
as_nobody() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$WORK/home" DISPLAY="${DISPLAY:-}" PATH="$HACK_DIR:$PATH" "$@"
}
FILE="$WORK/home/.xscreensaver"
place() {  # fixture, mode
  rm -f "$FILE" "$FILE.bak"
  install -o nobody -g nogroup -m "$2" "$DATA/$1" "$FILE"
}
as_root() { env HOME="$WORK/home" PATH="$HACK_DIR:$PATH" "$@"; }
add() {  # [as_root]: runs the command, as nobody unless told; its code, output and errors are kept
  set +e
  "${1:-as_nobody}" timeout 20 vantrel --add-to-xscreensaver >"$WORK/out" 2>"$WORK/err"
  code=$?
  set -e
}
one_line() { [ "$(cat "$WORK/out" "$WORK/err" | wc -l)" -eq 1 ]; }
said() { grep -q -- "$1" "$WORK/out" "$WORK/err"; }

place fresh-settings.xscreensaver 644
add
check "fresh file: code 0, one line saying it added the entry" \
  bash -c '[ "$1" -eq 0 ]' _ "$code"
check "fresh file: one line" one_line
check "fresh file: it says what it added" said 'added "GL: vantrel --root"'
check "fresh file: exactly one line more" \
  bash -c 'diff "$1" "$2" | grep -c "^[<>]" | grep -qx 1' _ "$DATA/fresh-settings.xscreensaver" "$FILE"
check "fresh file: the new line is the entry" \
  bash -c 'diff "$1" "$2" | grep -qxF "> '"  GL: vantrel --root \\\\n\\\\"'"' _ "$DATA/fresh-settings.xscreensaver" "$FILE"
check "fresh file: the backup is the original" cmp -s "$DATA/fresh-settings.xscreensaver" "$FILE.bak"
cp "$FILE" "$WORK/edited"
add
check "again: code 0, one line, nothing changed" \
  bash -c '[ "$1" -eq 0 ] && cmp -s "$2" "$3"' _ "$code" "$WORK/edited" "$FILE"
check "again: it says the file lists vantrel" said "already lists vantrel"

place fresh-settings.xscreensaver 444
add
check "read-only: code 1, one line saying so" \
  bash -c '[ "$1" -eq 1 ]' _ "$code"
check "read-only: one line" one_line
check "read-only: it says why" said "read-only"
check "read-only: file untouched, no backup" \
  bash -c 'cmp -s "$1" "$2" && [ ! -e "$2.bak" ]' _ "$DATA/fresh-settings.xscreensaver" "$FILE"

rm -f "$FILE"
add
check "missing: code 1, one line naming xscreensaver-settings, no file made" \
  bash -c '[ "$1" -eq 1 ] && [ ! -e "$2" ]' _ "$code" "$FILE"
check "missing: it says how to make the file" said "xscreensaver-settings"

mkfifo -m 644 "$FILE"
chown nobody:nogroup "$FILE"
add
check "FIFO: code 1 at once, one line saying why" \
  bash -c '[ "$1" -eq 1 ] && grep -q "not a regular file" "$2"' _ "$code" "$WORK/err"
check "FIFO: one line" one_line

place fresh-settings.xscreensaver 644
add as_root
check "root on nobody's file: code 1, one line saying why" \
  bash -c '[ "$1" -eq 1 ] && grep -q "not owned by root" "$2"' _ "$code" "$WORK/err"
check "root on nobody's file: one line" one_line
check "root on nobody's file: file untouched, no backup" \
  bash -c 'cmp -s "$1" "$2" && [ ! -e "$2.bak" ]' _ "$DATA/fresh-settings.xscreensaver" "$FILE"

# The daemon with the edited file: the list's last entry is the new one.
# Only splash and fade are switched off first, to save the test their time.
sed -e 's/^splash:.*/splash:\t\tFalse/' -e 's/^fade:.*/fade:\t\tFalse/' \
  -e 's/^unfade:.*/unfade:\t\tFalse/' "$DATA/fresh-settings.xscreensaver" >"$WORK/prefs"
place fresh-settings.xscreensaver 644
cp "$WORK/prefs" "$FILE"
add
[ "$code" -eq 0 ] || fail "could not add the entry: $(cat "$WORK/err")"
entries=$(sed -n '/^programs:/,/^[[:space:]]*$/p' "$FILE" | grep -c '\\n\\$')
echo "the list now holds $entries entries; vantrel is the last"

# -ac lets the unprivileged daemon connect.
start_own_xvfb -ac

start_xscreensaver_daemon

hack_running() { running_pid "^vantrel --root" >/dev/null; }
as_nobody xscreensaver-command -select "$entries" >/dev/null
for _ in $(seq 1 100); do hack_running && break; sleep 0.1; done
hack_running || fail "-select $entries did not start the hack"
echo "ok: -select $entries started $(pgrep -a -f -- "^vantrel --root" | head -1)"

expect_flight root

as_nobody xscreensaver-command -deactivate >/dev/null
for _ in $(seq 1 40); do hack_running || break; sleep 0.05; done
gone=yes
hack_running && gone=no
check "the hack is gone within 2 s of -deactivate" test "$gone" = yes
as_nobody xscreensaver-command -exit >/dev/null 2>&1 || true

echo "add-to-xscreensaver: $((checks - failures)) of $checks checks hold"
[ "$failures" -eq 0 ]
