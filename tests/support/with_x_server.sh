#!/usr/bin/env bash
# Runs a command on a virtual X server of its own and ends the server after
# it. The server picks a free display number itself and tells it back
# (-displayfd): tests that run side by side can never be given the same one,
# as they could when each looked for a free number before starting its server.
#   with_x_server.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGUMENTS...]
# The command's exit status is this script's.
set -uo pipefail
screen=$1
shift

run=$(mktemp -d)
server=
end_server() {
  if [ -n "$server" ]; then
    kill "$server" 2> /dev/null
    wait "$server" 2> /dev/null
  fi
  rm -rf "$run"
}
trap end_server EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

: > "$run/display"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3> "$run/display" 2> "$run/server.log" &
server=$!
# The server writes its display number and a line break once it accepts
# clients.
deadline=$((SECONDS + 30))
until IFS= read -r number < "$run/display" && [[ $number =~ ^[0-9]+$ ]]; do
  if ! kill -0 "$server" 2> /dev/null || [ "$SECONDS" -ge "$deadline" ]; then
    echo "with_x_server.sh: the X server did not start"
    cat "$run/server.log"
    exit 1
  fi
  sleep 0.05
done
DISPLAY=:$number "$@"
status=$?
exit "$status"
