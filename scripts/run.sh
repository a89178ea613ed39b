#!/usr/bin/env bash
# bash scripts/run.sh [PROJECT.vlr]: installs what is missing, builds what
# changed into build/ and starts Velvara, with the project when one is named.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set): Velvara needs a desktop session to start." >&2
  exit 1
fi
bash scripts/install-deps.sh
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build --parallel "$(nproc)" --target velvara velvara_sample
exec build/bin/velvara "$@"
