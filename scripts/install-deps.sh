#!/usr/bin/env bash
# Installs what building, playing and testing the game need, from Debian's packages.
# Does nothing when everything is there already.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libfltk1.3-dev libsdl2-dev libcairo2-dev libpixman-1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool imagemagick
  # The window manager the window tests of the scaled machine run under.
  openbox
  # The condensed sans-serif face that fixed-width captions and labels fall back to.
  fonts-dejavu-extra
  clang-14 libclang-rt-14-dev
  desktop-file-utils appstream
  # The game's translations: xgettext and msgfmt, and the locale sources the tests build
  # the players' locales from (de_DE.UTF-8, es_ES.UTF-8, fr_FR.UTF-8).
  gettext locales
  # Building and checking the Debian package (scripts/package).
  dpkg-dev lintian
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
