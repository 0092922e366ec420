#!/usr/bin/env bash
# The installed game: `cmake --install` into a fresh prefix puts the program, its files,
# vantello-sim, the manual pages, the desktop entry, the icons and the AppStream
# description in the GNU layout; the desktop's validators accept the entry and the
# description; started from another folder, the installed game finds its artwork and spins.
# Usage (under Xvfb, 1024x768): install_test.sh CMAKE BUILD_DIR
CMAKE=$1; BUILD=$2
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/installed.sh"
prefix=$WORK/prefix
# The install writes its list of files into the build folder; the player's own list,
# the one that uninstalls their copy, must survive this test.
manifest=$BUILD/install_manifest.txt
[ -f "$manifest" ] && cp -p "$manifest" "$WORK/manifest.kept"
"$CMAKE" --install "$BUILD" --prefix "$prefix" >"$WORK/install.log" 2>&1
installed=$?
if [ -f "$WORK/manifest.kept" ]; then mv "$WORK/manifest.kept" "$manifest"; else rm -f "$manifest"; fi
if [ $installed -eq 0 ]; then
  pass "cmake --install"
else
  fail "cmake --install: $(tail -n 5 "$WORK/install.log")"
  finish
fi

[ -x "$prefix/bin/vantello" ] && [ -x "$prefix/bin/vantello-sim" ] \
  && pass "the game and vantello-sim in bin/" || fail "no bin/vantello or bin/vantello-sim"
[ -s "$prefix/share/man/man6/vantello.6" ] && [ -s "$prefix/share/man/man6/vantello-sim.6" ] \
  && pass "manual pages" || fail "no manual pages in share/man/man6"
check_game_files "$prefix/share/vantello"
check_desktop_files "$prefix/share" vantello
check_languages "$prefix/share" "$prefix/share/vantello"
play_installed "$prefix/bin/vantello"
finish
