#!/usr/bin/env bash
# The gallery core must build and run without Qt: no Qt include in its sources
# and no Qt library in what its tests link.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
if grep -rnE '#\s*include\s*[<"]Q[A-Za-z]' "$root/core" "$root/platform/imagelib" "$root/platform/mlruntime" \
   "$root/platform/registry" "$root/platform/shell" "$root/i18n"/*.h "$root/i18n"/*.cpp 2>/dev/null; then
  echo "a Qt header reaches the core" >&2
  exit 1
fi
found=0
for t in "$build"/bin/test_core_*; do
  [ -x "$t" ] || continue
  found=1
  if ldd "$t" | grep -i 'libQt'; then
    echo "$t links Qt" >&2
    exit 1
  fi
done
[ "$found" -eq 1 ] || { echo "no core test programs found" >&2; exit 1; }
