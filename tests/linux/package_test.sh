#!/usr/bin/env bash
# The Debian package of the hack, unpacked: the hack and its settings XML
# where XScreenSaver looks, the dependencies dpkg-deb lists, and an XML the
# settings program can read.
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
check "nothing else is shipped" \
  test "$(find "$UNPACKED" -type f | wc -l)" -eq 2
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

echo "package: $((checks - failures)) of $checks checks hold"
[ "$failures" -eq 0 ]
