#!/usr/bin/env bash
# Runs a command as if the package were installed, without installing it:
# in a mount namespace of its own, /usr/libexec/xscreensaver is a copy of the
# machine's that holds the packaged hack too. The package's files are
# unpacked under $VANTREL_UNPACKED for the command.
#   bash tests/linux/with_installed_hack.sh <vantrel-xscreensaver_*.deb> command...
set -euo pipefail

if [ -z "${VANTREL_UNPACKED:-}" ]; then
  WORK="$(mktemp -d)"
  chmod 755 "$WORK"
  trap 'rm -rf "$WORK"' EXIT
  dpkg-deb -x "$1" "$WORK/root"
  mkdir "$WORK/libexec"
  cp -a /usr/libexec/xscreensaver/. "$WORK/libexec/" 2>/dev/null || true
  cp -a "$WORK/root/usr/libexec/xscreensaver/vantrel" "$WORK/libexec/"
  set +e
  VANTREL_UNPACKED="$WORK/root" VANTREL_LIBEXEC="$WORK/libexec" \
    unshare --mount --propagation private bash "${BASH_SOURCE[0]}" "$@"
  code=$?
  exit "$code"
fi
mkdir -p /usr/libexec/xscreensaver
mount --bind "$VANTREL_LIBEXEC" /usr/libexec/xscreensaver
shift
exec "$@"
