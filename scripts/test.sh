#!/usr/bin/env bash
# Sets up, builds and runs every test, then builds the program again with
# AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/) and runs the
# whole suite there too; any sanitizer finding fails the run. Tests that need
# a database start their own throwaway private server inside the build tree
# and remove it afterwards. Arguments go to both ctest runs (e.g. -R rules).
# KV_SANITIZE=0 skips the sanitizer run; after the first run the package is
# built and checked (scripts/package-check.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j2 "$@")
# The installed form: the .deb, its desktop entry, AppStream data, manual
# pages and programs (KV_PACKAGE_CHECK=0 skips it).
if [ "${KV_PACKAGE_CHECK:-1}" != 0 ]; then scripts/package-check.sh; fi

if [ "${KV_SANITIZE:-1}" != 0 ]; then
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_SANITIZE=ON >/dev/null
  cmake --build build-asan
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  (cd build-asan && ctest --output-on-failure -j2 "$@")
fi
