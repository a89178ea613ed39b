#!/usr/bin/env bash
# Fails when any C++ source of the project differs from what .clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find assets app core i18n platform widgets settings linkcheck tests tools bench \
  \( -name '*.cpp' -o -name '*.h' \) -not -path '*/node_modules/*' 2>/dev/null | sort)
[ "${#files[@]}" -eq 0 ] && exit 0
clang-format --dry-run -Werror "${files[@]}"
