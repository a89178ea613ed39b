#!/usr/bin/env bash
# Starts the real program under a virtual X display with a project on its
# command line, answers the language dialog, waits for the main window to
# show the project, closes it as its close box would, and checks what the
# close wrote.
#   run_under_x_test.sh VELVARA MAKE_TEST_PROJECT CLOSE_WINDOW_PY WITH_X_SERVER
set -euo pipefail
velvara=$1 make_project=$2 close_window=$3 with_x_server=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/config
# The program must talk to the X display, whatever platform the other tests use.
export QT_QPA_PLATFORM=xcb
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME"
for n in 1 2 3; do convert -size 160x120 "plasma:" "$work/photo$n.jpg"; done
{
  echo "destFolder=$work/gallery"
  for n in 1 2 3; do echo "image=$work/photo$n.jpg|photo $n|tip $n|http://127.0.0.1/$n|3D"; done
} > "$work/spec.txt"
"$make_project" "$work/spec.txt" "$work/trip.vlr"

cat > "$work/session.sh" <<'SESSION'
set -euo pipefail
. "$SHOWN_WINDOW"
"$VELVARA" "$WORK/trip.vlr" > "$WORK/velvara.log" 2>&1 &
pid=$!
dialog=$(shown_window '^Select Language$') ||
  { echo "the language dialog did not show"; exit 1; }
xdotool windowfocus --sync "$dialog" key Return
window=$(shown_window '^Velvara  v\.1\.1\.1\.  \( trip\.vlr \)$') ||
  { echo "the main window did not show the project"; exit 1; }
python3 "$CLOSE_WINDOW" "$window"
status=0
timeout 30 tail --pid="$pid" -f /dev/null || { echo "velvara did not end after its window was closed"; kill "$pid"; exit 1; }
wait "$pid" || status=$?
exit "$status"
SESSION
VELVARA=$velvara WORK=$work CLOSE_WINDOW=$close_window SHOWN_WINDOW=$(dirname "$with_x_server")/shown_window.sh \
  bash "$with_x_server" 1280x1024x24 bash "$work/session.sh" || { cat "$work/velvara.log"; exit 1; }

fail() { echo "$1"; exit 1; }
[ -f "$HOME/Documents/VLR/default.vlm" ] || fail "the close did not write the default settings file"
grep -qx "http://127.0.0.1/2"$'\r' "$HOME/Documents/VLR/urls.txt" || fail "the remembered addresses were not written"
registry=$XDG_CONFIG_HOME/velvara/registry
grep -qF "$work/trip.vlr" "$registry" || fail "the recent projects do not hold the project"
grep -qF "picinrow" "$registry" || fail "the window's settings were not stored"
grep -qF "ShowDialog" "$registry" || fail "the language choice was not stored"
echo "velvara started with the project and closed through the window system"
