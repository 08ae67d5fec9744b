#!/usr/bin/env bash
# Sets up, builds and starts Kvarnel on the private database server (created
# and started on demand in the user's program folder).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Ingen skjerm funnet (DISPLAY er tom): starter Kvarnel under en virtuell X-skjerm." >&2
  exec xvfb-run -a build/src/app/kvarnel "$@"
fi
exec build/src/app/kvarnel "$@"
