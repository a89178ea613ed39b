# Sourced by the tests that drive the program's windows on an X server.
#   shown_window NAME_REGEX
# prints the first shown window whose name matches, waiting up to 30 seconds
# for one. xdotool gives up at once, with an X error, when a window goes while
# it looks through them all, as the program's windows do at start and as the
# language dialog does when answered: it is simply asked again.
shown_window() {
  local found deadline=$((SECONDS + 30))
  until found=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -1) && [ -n "$found" ]; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
  echo "$found"
}
