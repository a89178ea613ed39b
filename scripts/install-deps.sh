#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Velvara needs.
# Idempotent: only missing packages are installed. Runs as root, or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  clang clang-format libclang-rt-dev llvm
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  # Qt's own switch for its accessibility, which the tests turn on to hear what a screen reader is told.
  qt6-base-private-dev
  libvips-dev libvips-tools
  libgtest-dev libgmock-dev googletest
  libjs-prototype libjs-scriptaculous
  chromium imagemagick nodejs
  python3 xvfb xauth xdotool
  # A German locale, for the tests that read and write numbers under a comma locale.
  locales
  # A window manager, for the window's size and place as a desktop frames it.
  openbox
  mate-backgrounds
  # The icon rendered at build time; the installed desktop files checked as a desktop reads them.
  librsvg2-bin desktop-file-utils appstream xdg-utils shared-mime-info libfile-mimeinfo-perl
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# npm comes with some Node.js builds and as its own package with Debian's.
if ! command -v npm >/dev/null 2>&1; then missing+=(npm); fi

if [ "${#missing[@]}" -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The German locale those tests set; generated once.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen >/dev/null
fi
