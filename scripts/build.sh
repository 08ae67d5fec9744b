#!/usr/bin/env bash
# Installs what is missing, then configures and builds Kvarnel into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build "$@"
