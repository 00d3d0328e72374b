#!/usr/bin/env bash
# Runs a Windows test's command in the Wine session ctest gave it (resource
# "wine_session", set up by scripts/wine-sessions.sh); without one, in the
# caller's environment as it is.
#   in-wine-session.sh command...
set -euo pipefail
session="${CTEST_RESOURCE_GROUP_0_WINE_SESSION:-}"
if [ -n "$session" ]; then
  id="${session#id:}"
  id="${id%%,*}"
  # shellcheck disable=SC1090
  source "${VANTREL_WINE_SESSIONS:?the sessions folder}/$id.env"
fi
exec "$@"
