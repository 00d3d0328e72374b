#!/usr/bin/env bash
# The Debian package of the hack, unpacked: the hack and its settings XML
# where XScreenSaver looks, the desktop entry MATE and Xfce read, the man
# page, copyright and changelog, the dependencies dpkg-deb lists, an XML the
# settings program can read, a hardened and stripped hack, and lintian's
# verdict (any error tag fails).
#   bash tests/linux/package_test.sh <vantrel-xscreensaver_VERSION_amd64.deb>
set -euo pipefail

DEB="$1"
checks=0
failures=0
check() {  # description, command...
  local what="$1"; shift
  checks=$((checks + 1))
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

UNPACKED="$(mktemp -d)"
trap 'rm -rf "$UNPACKED"' EXIT

check "file name is vantrel-xscreensaver_<version>_amd64.deb" \
  grep -Eq '^vantrel-xscreensaver_[0-9]+\.[0-9]+\.[0-9]+_amd64\.deb$' <<<"$(basename "$DEB")"
dpkg-deb -x "$DEB" "$UNPACKED"
HACK="$UNPACKED/usr/libexec/xscreensaver/vantrel"
XML="$UNPACKED/usr/share/xscreensaver/config/vantrel.xml"
check "the hack is an executable at /usr/libexec/xscreensaver/vantrel" test -x "$HACK"
check "the XML is at /usr/share/xscreensaver/config/vantrel.xml" test -f "$XML"
DESKTOP="$UNPACKED/usr/share/applications/screensavers/vantrel.desktop"
MAN="$UNPACKED/usr/share/man/man6/vantrel.6x.gz"
DOC="$UNPACKED/usr/share/doc/vantrel-xscreensaver"
check "the desktop entry is at /usr/share/applications/screensavers/vantrel.desktop" test -f "$DESKTOP"
check "the man page is at /usr/share/man/man6/vantrel.6x.gz" test -f "$MAN"
check "the copyright file is there" test -f "$DOC/copyright"
check "the changelog is there" test -f "$DOC/changelog.gz"
check "nothing else is shipped" \
  test "$(find "$UNPACKED" -type f | wc -l)" -eq 6
check "vantrel is on PATH: /usr/bin/vantrel links to the hack" \
  test "$(readlink "$UNPACKED/usr/bin/vantrel")" = ../libexec/xscreensaver/vantrel
runs_help() { "$HACK" --help >/dev/null; }
check "the unpacked hack runs (--help)" runs_help

dpkg-deb -I "$DEB"
depends="$(dpkg-deb -f "$DEB" Depends)"
for library in libx11-6 libglx0 libopengl0 libglu1-mesa libstdc++6 libc6 \
    libegl1 libwayland-client0 libwayland-egl1; do
  check "Depends names $library" grep -q "$library" <<<"$depends"
done
check "Recommends xscreensaver" test "$(dpkg-deb -f "$DEB" Recommends)" = xscreensaver
check "Suggests the other hosts" \
  test "$(dpkg-deb -f "$DEB" Suggests)" = "mate-screensaver, xfce4-screensaver, xsecurelock, swayidle"
check "Section x11" test "$(dpkg-deb -f "$DEB" Section)" = x11
maintainer="$(dpkg-deb -f "$DEB" Maintainer)"
check "the maintainer's address has a real mail host" \
  grep -Eq '<[^@ ]+@[a-z0-9-]+(\.[a-z0-9-]+)*\.[a-z]{2,}>$' <<<"$maintainer"
check "the maintainer's address is not local" \
  bash -c '! grep -Eq "@(localhost|[^>]*\.localdomain|[^>]*\.local)>" <<<"$1"' _ "$maintainer"
check "the description has an extended part" \
  test "$(dpkg-deb -f "$DEB" Description | wc -l)" -ge 4
check "Architecture amd64" test "$(dpkg-deb -f "$DEB" Architecture)" = amd64

check "the XML reads as XScreenSaver's settings program needs it" python3 - "$XML" <<'PY'
import sys
import xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == "screensaver" and root.get("name") == "vantrel", root.attrib
assert root.get("gl") == "yes"
assert root.find("command").get("arg") == "--root"
numbers = {n.get("id"): n for n in root.iter("number")}
speed, stars = numbers["speed"], numbers["stars"]
assert (speed.get("arg"), speed.get("low"), speed.get("high"), speed.get("default")) == \
    ("--speed %", "1", "200", "10"), speed.attrib
assert (stars.get("arg"), stars.get("low"), stars.get("high"), stars.get("default")) == \
    ("--stars %", "0", "1000", "50"), stars.attrib
assert speed.get("type") == stars.get("type") == "slider"
assert [b.get("arg-set") for b in root.iter("boolean")] == ["--fps"]
assert "stars" in root.find("_description").text
PY

# The desktop entry as the MATE and Xfce savers need it.
check "desktop-file-validate passes the entry" desktop-file-validate "$DESKTOP"
entry() { sed -n "s/^$1=//p" "$DESKTOP"; }
check "the entry is an application named Vantrel" \
  test "$(entry Type) $(entry Name)" = "Application Vantrel"
check "the entry runs the hack by its absolute path with --root" \
  test "$(entry TryExec) | $(entry Exec)" = \
  "/usr/libexec/xscreensaver/vantrel | /usr/libexec/xscreensaver/vantrel --root"
check "the entry is a screensaver for MATE and Xfce, shown" \
  test "$(entry Categories) $(entry OnlyShowIn) $(entry NoDisplay)" = "Screensaver; MATE;XFCE; "

# The man page renders without a warning and has every section.
man_warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$MAN" 2>&1 >"$UNPACKED/man.txt")"
check "man -l renders the page without warnings" test -z "$man_warnings"
for section in NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT "EXIT STATUS"; do
  check "the man page has $section" grep -q "^$section" "$UNPACKED/man.txt"
done
for line in "GL: vantrel --root" "vantrel --add-to-xscreensaver" "screensavers-vantrel" \
    "XSECURELOCK_SAVER=/usr/libexec/xscreensaver/vantrel" "XSCREENSAVER_WINDOW"; do
  check "the man page gives \"$line\"" grep -qF -- "$line" "$UNPACKED/man.txt"
done

# gzip's header: bytes 4-7 are the time stamp, bit 3 of byte 3 a file name.
gzip_plain() { [ "$(od -An -tx1 -j3 -N5 "$1" | tr -d ' ')" = 0000000000 ]; }
check "the changelog is gzip'd with no name or time stamp" gzip_plain "$DOC/changelog.gz"
check "the man page is gzip'd with no name or time stamp" gzip_plain "$MAN"
check "the changelog names this version" \
  grep -q "^vantrel-xscreensaver ($(dpkg-deb -f "$DEB" Version))" <(zcat "$DOC/changelog.gz")
check "the copyright file is DEP-5" \
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$DOC/copyright"

# Stripped, and hardened as Debian builds: fortify, stack protector, full
# RELRO with immediate binding, position-independent.
check "the hack is stripped" bash -c '! readelf -SW "$1" | grep -q "\.symtab"' _ "$HACK"
check "the hack binds now" bash -c 'readelf -dW "$1" | grep -q "BIND_NOW"' _ "$HACK"
check "the hack has RELRO" bash -c 'readelf -lW "$1" | grep -q GNU_RELRO' _ "$HACK"
check "the hack is position-independent" bash -c 'readelf -hW "$1" | grep -q "DYN "' _ "$HACK"
check "the hack uses fortified calls" bash -c 'readelf -sW --dyn-syms "$1" | grep -q "__[a-z]*_chk"' _ "$HACK"
check "the hack has the stack protector" bash -c 'readelf -sW --dyn-syms "$1" | grep -q __stack_chk_fail' _ "$HACK"

# lintian: every tag is shown; an error fails the test (exit code 1, or 2
# when lintian itself fails).
set +e
lintian_out="$(lintian --fail-on error --tag-display-limit 0 -I "$DEB" 2>&1)"
lintian_rc=$?
set -e
grep -v 'running with root privileges' <<<"$lintian_out" || true
check "lintian reports no error (exit code $lintian_rc)" test "$lintian_rc" -eq 0

echo "package: $((checks - failures)) of $checks checks hold"
[ "$failures" -eq 0 ]
