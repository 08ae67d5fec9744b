#!/usr/bin/env bash
# Sets up, builds and runs every test. Tests that need a database start their
# own throwaway private server inside build/testroot and remove it afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j2 "$@"
