#!/usr/bin/env bash
# Installs the build into a prefix of its own and checks it as a desktop sees
# it: every file in its place, icons of the size their folder names, the
# desktop entry valid and the AppStream metadata valid without a remark, the
# MIME database built from the installed type recognising projects by name and
# by header, and the installed program, started through its desktop entry with
# a project path that holds blanks, opening that project.
#   install_test.sh BUILD_DIR MAKE_TEST_PROJECT CLOSE_WINDOW_PY WITH_X_SERVER
set -euo pipefail
build=$1 make_project=$2 close_window=$3 with_x_server=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "$1"; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; exit 1; }

share=$prefix/share
expected=(bin/velvara bin/velvara-decode share/applications/velvara.desktop share/mime/packages/velvara.xml
  share/metainfo/org.velvara.velvara.metainfo.xml share/icons/hicolor/scalable/apps/velvara.svg)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do expected+=("share/icons/hicolor/${size}x${size}/apps/velvara.png"); done
for file in "${expected[@]}"; do [ -s "$prefix/$file" ] || fail "the installed tree lacks $file"; done
[ -x "$prefix/bin/velvara" ] || fail "bin/velvara is not executable"
for size in "${sizes[@]}"; do
  got=$(identify -format '%wx%h' "$share/icons/hicolor/${size}x${size}/apps/velvara.png")
  [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done

desktop-file-validate "$share/applications/velvara.desktop" || fail "desktop-file-validate refused the desktop entry"
# Even its pedantic remarks (a missing release among them) are faults here.
metainfo_report=$(appstreamcli validate --no-net --pedantic "$share/metainfo/org.velvara.velvara.metainfo.xml") ||
  fail "appstreamcli refused the metadata: $metainfo_report"
if grep -q '^[EWIP]: ' <<< "$metainfo_report"; then fail "appstreamcli remarks on the metadata: $metainfo_report"; fi
# The tree as software centres read it: the metadata's file named for its id,
# the desktop entry it launches in place.
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli refused the installed tree"

# The MIME database of the installed type alone, in a data folder of its own;
# the system's database still answers for every other type.
mkdir -p "$work/data/mime/packages"
cp "$share/mime/packages/velvara.xml" "$work/data/mime/packages/"
update-mime-database "$work/data/mime"
filetype() {
  env -i PATH="$PATH" HOME="$work" XDG_DATA_HOME="$work/data" XDG_DATA_DIRS=/usr/share xdg-mime query filetype "$1"
}
mkdir -p "$work/projects with blanks"
{ echo "destFolder=$work/gallery"; echo "image=$work/photo.jpg|photo|tip||"; } > "$work/description.txt"
convert -size 160x120 "plasma:" "$work/photo.jpg"
project="$work/projects with blanks/My trip.vlr"
"$make_project" "$work/description.txt" "$project"
cp "$project" "$work/renamed.bin"
printf 'VLR100\0\0\0\0' > "$work/old-project"
printf 'not a project\n' > "$work/other.txt"
[ "$(filetype "$project")" = application/x-velvara-project ] || fail "a .vlr file is $(filetype "$project")"
[ "$(filetype "$work/renamed.bin")" = application/x-velvara-project ] ||
  fail "a project under another name is $(filetype "$work/renamed.bin")"
[ "$(filetype "$work/old-project")" = application/x-velvara-project ] ||
  fail "an old project is $(filetype "$work/old-project")"
[ "$(filetype "$work/other.txt")" = text/plain ] || fail "a text file is $(filetype "$work/other.txt")"

# The desktop entry's command line, its file code replaced by the one path as
# a single argument, as a file manager starts it.
exec_line=$(sed -n 's/^Exec=//p' "$share/applications/velvara.desktop")
[ "$exec_line" = "velvara %f" ] || fail "the desktop entry runs '$exec_line'"
cat > "$work/session.sh" <<'SESSION'
set -euo pipefail
. "$SHOWN_WINDOW"
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME"
velvara "$PROJECT" > "$WORK/velvara.log" 2>&1 &
pid=$!
dialog=$(shown_window '^Select Language$') ||
  { echo "the language dialog did not show"; exit 1; }
xdotool windowfocus --sync "$dialog" key Return
window=$(shown_window '\( My trip\.vlr \)$') ||
  { echo "the main window did not show the project"; exit 1; }
python3 "$CLOSE_WINDOW" "$window"
timeout 30 tail --pid="$pid" -f /dev/null || { echo "velvara did not end after its window was closed"; kill "$pid"; exit 1; }
wait "$pid"
SESSION
PATH="$prefix/bin:$PATH" HOME=$work/home XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb PROJECT=$project \
  WORK=$work CLOSE_WINDOW=$close_window SHOWN_WINDOW=$(dirname "$with_x_server")/shown_window.sh \
  bash "$with_x_server" 1280x1024x24 bash "$work/session.sh" ||
  { cat "$work/velvara.log"; exit 1; }
grep -qF "$project" "$work/config/velvara/registry" || fail "the project opened from the desktop entry is not recent"
echo "installed: every file in place and valid, projects recognised, the desktop entry opens a project"
