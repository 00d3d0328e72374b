#!/usr/bin/env bash
# Runs a command as if the package were installed, without installing it:
# in a mount namespace of its own, /usr/libexec/xscreensaver is a copy of the
# machine's that holds the packaged hack too. The package's files are
# unpacked under $VANTREL_UNPACKED for the command.
#   bash tests/linux/with_installed_hack.sh <vantrel-xscreensaver_*.deb> command...
# Where mount namespaces are not allowed, the hack is put in place for the
# command's run and taken away afterwards; a different vantrel already there
# fails the run rather than being replaced.
set -euo pipefail

HACK=/usr/libexec/xscreensaver/vantrel
if [ -n "${VANTREL_LIBEXEC:-}" ]; then
  mount --bind "$VANTREL_LIBEXEC" /usr/libexec/xscreensaver
  shift
  exec "$@"
fi

WORK="$(mktemp -d)"
chmod 755 "$WORK"
placed=""
cleanup() {
  [ -n "$placed" ] && rm -f "$HACK"
  rm -rf "$WORK"
}
trap cleanup EXIT
dpkg-deb -x "$1" "$WORK/root"
export VANTREL_UNPACKED="$WORK/root"
mkdir -p /usr/libexec/xscreensaver "$WORK/libexec"
set +e
if unshare --mount --propagation private true 2>/dev/null; then
  cp -a /usr/libexec/xscreensaver/. "$WORK/libexec/" 2>/dev/null
  cp -a "$WORK/root$HACK" "$WORK/libexec/"
  VANTREL_LIBEXEC="$WORK/libexec" \
    unshare --mount --propagation private bash "${BASH_SOURCE[0]}" "$@"
  exit $?
fi
echo "note: no mount namespace here; the hack is put in $HACK for this run"
if [ -e "$HACK" ]; then
  cmp -s "$HACK" "$WORK/root$HACK" || { echo "FAILED: another $HACK is installed"; exit 1; }
else
  cp -a "$WORK/root$HACK" "$HACK" && placed=yes
fi
shift
"$@"
