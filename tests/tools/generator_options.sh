#!/usr/bin/env bash
# The image generators take an argument that begins with "-" as an option:
# --help prints the usage and writes nothing, an unknown option is refused,
# and neither ever becomes the name of a folder or file.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $1" >&2; failures=$((failures + 1)); }
for generator in lightbox_gifs/make_gifs.py placeholder/make_placeholder.py shadowbox_skin/make_skin_images.py; do
  usage="$(python3 "$root/tools/$generator" --help)" || fail "$generator --help ends with status $?"
  [[ "$usage" == usage:* ]] || fail "$generator --help prints \"$usage\""
  python3 "$root/tools/$generator" --bogus 2> /dev/null
  [ $? -eq 2 ] || fail "$generator takes the unknown option --bogus"
  [ -z "$(ls -A)" ] || fail "$generator made $(ls -A)"
  rm -rf -- ./* ./.[!.]* 2> /dev/null
done
exit $((failures > 0))
