#!/usr/bin/env bash
# Builds the players' locales the language tests run under (de_DE.UTF-8 and so on) into
# a folder of the build, for LOCPATH: the machine needs no locale of its own set up.
# Usage: make_locales.sh FOLDER LOCALE...   (LOCALE as de_DE)
set -euo pipefail
folder=$1
shift
mkdir -p "$folder"
for locale in "$@"; do
  [ -e "$folder/$locale.UTF-8/LC_MESSAGES" ] && continue
  localedef -i "$locale" -f UTF-8 "$folder/$locale.UTF-8" ||
    { echo "cannot build the locale $locale.UTF-8 (is the locales package installed?)"; exit 1; }
done
