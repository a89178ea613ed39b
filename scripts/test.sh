#!/usr/bin/env bash
# Installs what is missing, builds everything from scratch into build/ and runs every test.
#
# With --sanitize: the same into build-sanitize/, every program of ours built with
# AddressSanitizer and UndefinedBehaviorSanitizer. The first finding ends its program and fails
# the run, also in a helper process whose parent takes its end for an ordinary failure: the
# output of every test, passed or failed, is searched for reports at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
configure=()
case "${1:-}" in
  "") ;;
  --sanitize)
    build=build-sanitize
    sanitizers="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
    configure=(-DCMAKE_C_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS="$sanitizers")
    # Leaks are not looked for: Qt, fontconfig and GLib keep caches and singletons to the end
    # of every program on purpose, and so many allocations pass through them that leaving
    # them out would leave out most of ours too. The fuzz tests look for leaks in the file
    # readers, which use none of them.
    export ASAN_OPTIONS=halt_on_error=1:detect_leaks=0:print_stacktrace=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    ;;
  *)
    echo "usage: bash scripts/test.sh [--sanitize]" >&2
    exit 2
    ;;
esac

bash scripts/install-deps.sh
rm -rf "$build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${configure[@]}"
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
status=0
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 900 || status=$?
if [ "$build" = build-sanitize ]; then
  reports="ERROR: AddressSanitizer|runtime error:"
  if grep -qE "$reports" "$build/Testing/Temporary/LastTest.log"; then
    grep -E -B2 -A30 "$reports" "$build/Testing/Temporary/LastTest.log"
    echo "the sanitizers reported findings: $build/Testing/Temporary/LastTest.log" >&2
    status=1
  fi
fi
exit "$status"
