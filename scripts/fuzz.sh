#!/usr/bin/env bash
# Fuzzes every parser of files and typed text with libFuzzer (clang, with
# AddressSanitizer and UndefinedBehaviorSanitizer) for SECONDS each
# (default 60). Builds into build-fuzz/. Inputs that found something are kept
# in build-fuzz/findings/<target>/; once the fault is mended, copy the input
# into tests/fuzz/corpus/<target>/ so that ctest runs it from then on.
#   scripts/fuzz.sh [SECONDS] [TARGET ...]     e.g. scripts/fuzz.sh 60 inifile numbers
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
seconds=${1:-60}
shift || true
# Paths relative to the checkout, so another clone (CI's) reuses the cache.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKV_FUZZ=ON -DKV_SANITIZE=ON >/dev/null
cmake --build build-fuzz --target fuzzers
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in tests/fuzz/fuzz_*.cpp; do
    t=$(basename "$f" .cpp); t=${t#fuzz_}
    [ "$t" = driver ] || targets+=("$t")
  done
fi
status=0
for t in "${targets[@]}"; do
  work=build-fuzz/corpus/$t findings=build-fuzz/findings/$t
  mkdir -p "$work" "$findings"
  echo "== $t: ${seconds} s"
  if ! build-fuzz/tests/fuzz/fuzz_$t -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$findings/" -print_final_stats=1 "$work" "tests/fuzz/corpus/$t" 2>build-fuzz/fuzz_$t.log; then
    echo "   found something: $(ls "$findings")"; tail -30 build-fuzz/fuzz_$t.log; status=1
  else
    grep -E "stat::number_of_executed_units|cov:" build-fuzz/fuzz_$t.log | tail -2
  fi
done
exit $status
