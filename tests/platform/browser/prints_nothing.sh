#!/usr/bin/env bash
# Runs a test program and fails when it writes anything to its error output,
# where Qt's warnings go: during its tests and while it ends, after the last
# one, when the application object and the network stack are taken down.
#   prints_nothing.sh PROGRAM [ARGUMENTS...]
set -uo pipefail
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
errors=$(XDG_RUNTIME_DIR=$runtime "$@" 2>&1 >/dev/null)
status=$?
if [ -n "$errors" ]; then
  printf 'printed on its error output:\n%s\n' "$errors"
  exit 1
fi
exit "$status"
