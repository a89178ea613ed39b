#!/usr/bin/env bash
# The gallery core must build and run without Qt.
#   check-core-has-no-qt.sh          no Qt include in the sources core is built from
#   check-core-has-no-qt.sh BUILD    that, and no Qt library loaded by core's test programs in BUILD
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

# Core itself, the platform stand-ins it uses (platform/browser is Qt and not
# among them) and the string service (the language dialog lives below i18n/).
mapfile -t sources < <(
  {
    find "$root/core" "$root/platform/imagelib" "$root/platform/mlruntime" "$root/platform/registry" \
      "$root/platform/shell" -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null
    find "$root/i18n" -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null
  } | sort)
[ "${#sources[@]}" -gt 0 ] || { echo "no core sources found below $root" >&2; exit 1; }

# The exit status of grep is not used: it is 2 when any file is unreadable,
# matches or not. What it prints decides.
includes="$(grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]|qt[0-9]*/)' "${sources[@]}" || true)"
if [ -n "$includes" ]; then
  echo "$includes" >&2
  echo "a Qt header reaches the core" >&2
  exit 1
fi

[ "$#" -eq 0 ] && exit 0
build="$1"
found=0
for t in "$build"/bin/test_core_*; do
  [ -x "$t" ] || continue
  found=1
  libraries="$(ldd "$t")" || { echo "ldd cannot read $t" >&2; exit 1; }
  if grep -i 'libQt' <<<"$libraries"; then
    echo "$t links Qt" >&2
    exit 1
  fi
done
[ "$found" -eq 1 ] || { echo "no core test programs found in $build/bin" >&2; exit 1; }
echo "core: no Qt header in its sources, no Qt library in its test programs"
