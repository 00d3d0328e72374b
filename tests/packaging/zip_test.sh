#!/usr/bin/env bash
# The release archive holds both programs side by side, the README's user
# section as text with Windows line ends, and the licence.
set -euo pipefail
ZIP="$1"
fail() { echo "FAIL: $*"; exit 1; }
listing=$(unzip -Z1 "$ZIP")
for f in Vantrel/Vantrel.scr Vantrel/Vantrel.dll Vantrel/README.txt Vantrel/LICENSE; do
  grep -qx "$f" <<<"$listing" || fail "$f missing from the archive"
done
readme=$(unzip -p "$ZIP" Vantrel/README.txt)
[ "$(head -1 <<<"$readme" | tr -d '\r')" = "## Using Vantrel" ] || fail "README.txt does not start with the user section"
grep -q $'\r$' <<<"$readme" || fail "README.txt lacks Windows line ends"
grep -q "^## Building by hand" <<<"$readme" && fail "README.txt holds more than the user section"
cmp -s <(unzip -p "$ZIP" Vantrel/Vantrel.scr) "$(dirname "$ZIP")/bin/Vantrel.scr" || fail "Vantrel.scr differs from the build"
echo "release archive: $(wc -l <<<"$listing") entries, user README of $(wc -l <<<"$readme") lines"
