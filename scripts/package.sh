#!/usr/bin/env bash
# Builds Kvarnel and makes the Debian package build/kvarnel_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
(cd build && cpack -G DEB >/dev/null)
ls build/kvarnel_*.deb
