#!/usr/bin/env bash
# Installs what is missing, then configures and builds Kvarnel into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# Paths relative to the checkout, so another clone (CI's) reuses the cache.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build "$@"
