#!/usr/bin/env bash
# Starts and closes the real program again and again under a virtual X
# display with a window manager, which frames the window: a close stores the
# outer size and place of the frame the window has, also after the user took
# its title bar off or maximised it, and these give back the same window at
# the next start, whether the window manager placed it or the user sized and
# moved it; the smallest size is an outer size; and a window stored on a large
# screen comes back wholly on a smaller one.
#   placement_under_window_manager_test.sh VELVARA CLOSE_WINDOW_PY WITH_X_SERVER
set -euo pipefail
velvara=$1 close_window=$2 with_x_server=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/config
export QT_QPA_PLATFORM=xcb
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME"

cat > "$work/session.sh" <<'SESSION'
set -euo pipefail
fail() { echo "$1"; exit 1; }

# Waits up to 30 seconds for a command to succeed.
await() {
  local deadline=$((SECONDS + 30))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

registry=$XDG_CONFIG_HOME/velvara/registry
# A stored value of the window's "settings" section.
stored() { sed -n "s/^v [0-9]*:$1 1 [0-9]*:\([-0-9]*\).*/\1/p" "$registry" | tr -d '\0'; }
stored_placement() { echo "$(stored width) $(stored height) $(stored left) $(stored top)"; }
# Stores a value there as the program does: a text with its closing zero.
store() {
  KEY=$1 VALUE=$2 perl -pi -e \
    's/^v \d+:\Q$ENV{KEY}\E 1 \d+:.*$/"v " . length($ENV{KEY}) . ":$ENV{KEY} 1 " . (length($ENV{VALUE}) + 1) . ":$ENV{VALUE}\0"/e' \
    "$registry"
}

# The window's outer place and size in twips as the window manager framed
# it: "width height left top".
outer() {
  local info extents left right top bottom x y w h
  info=$(xwininfo -id "$window") || return 1
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)$/\1 \2 \3 \4/p')
  [ -n "$extents" ] || return 1
  read -r left right top bottom <<< "$extents"
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<< "$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<< "$info")
  w=$(sed -n 's/^ *Width: *//p' <<< "$info")
  h=$(sed -n 's/^ *Height: *//p' <<< "$info")
  echo "$(((w + left + right) * 15)) $(((h + top + bottom) * 15)) $(((x - left) * 15)) $(((y - top) * 15))"
}
framed_as() { [ "$(outer)" = "$1" ]; }
sized_as() { outer | grep -q "^$1 "; }
# The screen in twips: "width height".
screen_size() {
  xwininfo -root | sed -n 's/^ *\(Width\|Height\): *\([0-9]*\)/\2/p' | paste -sd ' ' |
    { read -r w h && echo "$((w * 15)) $((h * 15))"; }
}
# Whether the whole frame, title bar and borders, lies on the screen.
on_screen() {
  local w h left top screen_w screen_h
  read -r w h left top <<< "$(outer)" || return 1
  read -r screen_w screen_h <<< "$(screen_size)"
  [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ $((left + w)) -le "$screen_w" ] && [ $((top + h)) -le "$screen_h" ]
}

# Sets $found to a shown window of that name. xdotool gives up when a window
# goes while it looks through them all: it is simply asked again.
find_shown() { found=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -1) && [ -n "$found" ]; }

# How many windows are shown at the top of the window tree: the window
# manager's frames and menus.
top_windows() { xdotool search --onlyvisible --maxdepth 1 --name '' 2> /dev/null | wc -l; }
more_top_windows_than() { [ "$(top_windows)" -gt "$1" ]; }
frame_extents() { xprop -id "$window" _NET_FRAME_EXTENTS; }
extents_other_than() { [ "$(frame_extents)" != "$1" ]; }

# Takes the title bar and borders off the window as the user does, with
# "Un/Decorate" of the window manager's window menu (a right click on the title
# bar). The window manager draws the new frame around the window where it is:
# the window itself neither moves nor changes its size.
undecorate() {
  local windows extents left top
  windows=$(top_windows)
  extents=$(frame_extents)
  read -r _ _ left top <<< "$(outer)"
  xdotool mousemove $((left / 15 + 300)) $((top / 15 + 8)) click 3
  # A key goes to the window until the menu shows.
  await more_top_windows_than "$windows" || fail "the window menu did not show"
  xdotool key d
  await extents_other_than "$extents" || fail "the window kept its title bar and borders: $(frame_extents)"
}

# Starts the program, closes the language dialog as its close box does, and
# sets $window to the main window once it shows.
start() {
  "$VELVARA" > "$WORK/velvara.log" 2>&1 &
  pid=$!
  await find_shown '^Select Language$' || fail "the language dialog did not show"
  python3 "$CLOSE_WINDOW" "$found"
  await find_shown '^Velvara  v\.1\.1\.1\.$' || fail "the main window did not show"
  window=$found
}

# Closes the window as its close box does and waits for the program to end.
close() {
  python3 "$CLOSE_WINDOW" "$window"
  timeout 30 tail --pid="$pid" -f /dev/null || { kill "$pid"; fail "velvara did not end after its window was closed"; }
  wait "$pid" || fail "velvara ended with an error"
}

# Starts the program twice more: each start shows the stored window and each
# close stores it unchanged.
expect_kept() {
  local placement
  placement=$(stored_placement)
  for run in 2 3; do
    start
    await framed_as "$placement" || fail "start $run of $1: the window is $(outer), stored was $placement"
    close
    [ "$(stored_placement)" = "$placement" ] || fail "start $run of $1 stored $(stored_placement), not $placement"
  done
}

on_the_large_screen() {
  # A first start: the designed size, widened to the smallest width, where the
  # window manager puts it.
  start
  await sized_as "9645 9630" || fail "a first start shows the window at $(outer), not 9645 by 9630 twips"
  placed=$(outer)
  close
  [ "$(stored_placement)" = "$placed" ] || fail "the first close stored $(stored_placement), the window was $placed"
  expect_kept "a window the window manager placed"

  # The user sizes and moves the window, and takes its title bar and borders
  # off: the frame it then has is stored, and the window comes back, with a
  # title bar and borders again, at that outer size and place.
  start
  xdotool windowsize --sync "$window" 900 700 windowmove --sync "$window" 200 150
  undecorate
  placed=$(outer)
  close
  [ "$(stored_placement)" = "$placed" ] || fail "the user's window $placed was stored as $(stored_placement)"
  expect_kept "the user's window"

  # Made smaller than it may be, the window keeps its smallest outer size.
  start
  xdotool windowsize "$window" 300 200
  await sized_as "9645 9000" || fail "the smallest window is $(outer)"
  close
  [ "$(stored width) $(stored height)" = "9645 9000" ] ||
    fail "the smallest window was stored as $(stored width) by $(stored height), not 9645 by 9000 twips"

  # Stored on this screen for the smaller one: a window that fits there too,
  # one that lies partly beyond its right and bottom edges, and a maximised
  # one, larger than the whole smaller screen.
  start
  xdotool windowsize --sync "$window" 700 600 windowmove --sync "$window" 200 150
  close
  cp "$registry" "$WORK/fits"
  start
  xdotool windowsize --sync "$window" 700 600 windowmove --sync "$window" 880 580
  close
  cp "$registry" "$WORK/beyond"
  start
  # A double click on the title bar maximises the window.
  local left top
  read -r _ _ left top <<< "$(outer)"
  xdotool mousemove $((left / 15 + 300)) $((top / 15 + 8)) click --repeat 2 --delay 80 1
  await framed_as "24000 18000 0 0" || fail "the window was not maximised: $(outer)"
  close
  [ "$(stored_placement)" = "24000 18000 0 0" ] || fail "the maximised window was stored as $(stored_placement)"
  cp "$registry" "$WORK/maximised"
}

# Starts the program with placement values stored on the large screen.
start_as_stored() {
  cp "$WORK/$1" "$registry"
  start
}

on_the_small_screen() {
  start_as_stored fits
  await framed_as "$(stored_placement)" || fail "a window that fits the smaller screen is $(outer), stored was $(stored_placement)"
  close

  # Moved as little as needed: against the right and bottom edges.
  start_as_stored beyond
  await on_screen || fail "a window stored beyond the smaller screen's edges is $(outer), off the screen"
  await framed_as "10530 9375 4830 2145" || fail "a window stored beyond the smaller screen's edges is $(outer)"
  close
  [ "$(stored_placement)" = "10530 9375 4830 2145" ] || fail "the moved window was stored as $(stored_placement)"

  # The stored size cannot be shown: the frame opens at the stored place with
  # the designed size, widened to the smallest width.
  start_as_stored maximised
  await on_screen || fail "a window stored maximised on a larger screen is $(outer), off the screen"
  await framed_as "9645 9630 0 0" || fail "a window stored maximised on a larger screen is $(outer)"
  close

  # A stored size below the smallest one: the frame opens at the stored place
  # with the smallest size.
  store width 4500
  store height 3000
  store left 1500
  store top 1500
  start
  await on_screen || fail "a window stored below the smallest size is $(outer), off the screen"
  await framed_as "9645 9000 1500 1500" || fail "a window stored below the smallest size is $(outer)"
  close
}

# Its menus in English, whose keys the test presses.
LC_ALL=C openbox > "$WORK/openbox.log" 2>&1 &
# The window manager is up once it names itself on the root window.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
await wm_running || fail "openbox did not start"
"$1"
SESSION
# One session on each screen, each with its own X server and window manager.
session() {
  VELVARA=$velvara WORK=$work CLOSE_WINDOW=$close_window \
    bash "$with_x_server" "$1" bash "$work/session.sh" "$2" || { cat "$work/velvara.log"; exit 1; }
}
session 1600x1200x24 on_the_large_screen
session 1024x768x24 on_the_small_screen
echo "the window came back as it was stored, start after start, framed by a window manager, wholly on a smaller screen"
