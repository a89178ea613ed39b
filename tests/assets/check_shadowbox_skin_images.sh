#!/usr/bin/env bash
# The classic skin's images are drawn by tools/shadowbox_skin/make_skin_images.py.
# Checks that the committed files are what the generator draws, and that
# icons.psd opens in ImageMagick as a layered Photoshop file with one named
# 16x16 layer per icon beside the merged image.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
skin="$root/assets/shadowbox/src/skin/classic"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

python3 "$root/tools/shadowbox_skin/make_skin_images.py" "$work"
for file in loading.gif icons.psd icons/close.png icons/next.png icons/pause.png icons/play.png icons/previous.png; do
  if ! cmp -s "$work/$file" "$skin/$file"; then
    echo "FAIL: $file differs from what the generator draws" >&2
    exit 1
  fi
done

layers="$(identify -format '%m %w %h %[label]\n' "$skin/icons.psd" 2>/dev/null)"
expected="PSD 112 16 
PSD 16 16 close
PSD 16 16 next
PSD 16 16 pause
PSD 16 16 play
PSD 16 16 previous"
if [ "$layers" != "$expected" ]; then
  echo "FAIL: icons.psd layers are:" >&2
  echo "$layers" >&2
  exit 1
fi
echo "icons.psd: merged image and $(($(echo "$layers" | wc -l) - 1)) icon layers"
