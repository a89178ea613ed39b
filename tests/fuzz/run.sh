#!/usr/bin/env bash
# Fuzzing and sanitizer runs of the file readers, driven by ctest:
#   run.sh build   <source folder> <fuzz build folder>   clang build, seeds and damaged-file corpus
#   run.sh regress <fuzz build folder> <reader>          every damaged file once, under ASan and UBSan
#   run.sh fuzz    <fuzz build folder> <reader> <secs>   libFuzzer for a bounded time from the seeds
set -euo pipefail
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

case "$1" in
  build)
    source_dir=$2 build_dir=$3
    cmake -S "$source_dir/tests/fuzz" -B "$build_dir" -G Ninja \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build_dir"
    rm -rf "$build_dir/corpus"
    "$build_dir/make_fuzz_corpus" "$build_dir/corpus"
    ;;
  regress)
    build_dir=$2 reader=$3
    # Files given by name run exactly once each; any sanitizer finding fails.
    log="$build_dir/regress-$reader.log"
    if ! find "$build_dir/corpus/regression/$reader" "$build_dir/corpus/seeds/$reader" -type f -print0 |
      xargs -0 "$build_dir/fuzz_$reader" >"$log" 2>&1; then
      grep -v '^Running: ' "$log"
      exit 1
    fi
    echo "$(grep -c '^Running: ' "$log") files read without a finding"
    ;;
  fuzz)
    build_dir=$2 reader=$3 seconds=$4
    work="$build_dir/work/$reader"
    rm -rf "$work" && mkdir -p "$work"
    cd "$work"
    "$build_dir/fuzz_$reader" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
      -print_final_stats=1 "$work" "$build_dir/corpus/seeds/$reader"
    ;;
  *)
    echo "usage: run.sh build|regress|fuzz ..." >&2
    exit 2
    ;;
esac
