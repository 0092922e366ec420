#!/usr/bin/env bash
# The Debian package: its control data, its contents (what Debian's layout for games
# asks, owned by root, nothing of the build tree), lintian, and the package unpacked
# into a folder of its own: the menu entry names what the package holds, the game
# started from elsewhere opens with its artwork and spins, and vantello-sim works out
# the pay sheet and answers --help.
# Usage (under Xvfb, 1024x768): package_test.sh PACKAGE.deb
DEB=$(realpath "$1")
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/installed.sh"

field() { dpkg-deb --field "$DEB" "$1"; }
version=$(sed -n 's/^project(Vantello VERSION \([0-9.]*\) .*/\1/p' "$SOURCE/CMakeLists.txt")
[ "$(field Package)" = vantello ] && [ "$(field Version)" = "$version" ] \
  && [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] && [ "$(field Section)" = games ] \
  && pass "package vantello $version for $(field Architecture), section games" \
  || fail "control: $(dpkg-deb --info "$DEB")"
depends=$(field Depends)
case "$depends" in
  *libfltk1.3*libsdl2-2.0-0*) pass "the libraries it needs, worked out: $depends" ;;
  *) fail "Depends: $depends" ;;
esac
[ "$(basename "$DEB")" = "vantello_${version}_$(dpkg --print-architecture).deb" ] \
  && pass "named $(basename "$DEB")" || fail "named $(basename "$DEB")"

dpkg-deb --contents "$DEB" >"$WORK/contents"
owners=$(awk '$2 != "root/root"' "$WORK/contents")
[ -z "$owners" ] && pass "every file owned by root" || fail "owned by others: $owners"
awk '{print $NF}' "$WORK/contents" | sed 's|^\./|/|' >"$WORK/paths"
missing=
# (The game's own files are checked in the unpacked tree below.)
for f in /usr/games/vantello /usr/bin/vantello-sim /usr/share/applications/vantello.desktop \
         /usr/share/metainfo/vantello.metainfo.xml /usr/share/icons/hicolor/scalable/apps/vantello.svg \
         /usr/share/man/man6/vantello.6.gz /usr/share/man/man6/vantello-sim.6.gz \
         /usr/share/doc/vantello/copyright /usr/share/doc/vantello/changelog.gz; do
  grep -qx "$f" "$WORK/paths" || missing="$missing $f"
done
[ -z "$missing" ] && pass "the game, vantello-sim, manual pages, menu entry, copyright and changelog" \
  || fail "not in the package:$missing"
# Only Debian's places, and nothing a build leaves behind.
strays=$(grep -v -e '^/$' -e '^/usr/$' -e '^/usr/share/$' -e '^/usr/games/' -e '^/usr/bin/' -e '^/usr/share/games/vantello/' \
  -e '^/usr/share/\(applications\|metainfo\|icons\|man\|doc\|lintian\|games\|locale\)/' "$WORK/paths")
leaks=$(grep -i -e 'cmake' -e '\.o$' -e '\.a$' -e '/gen_' -e 'build' -e '/tests\?/' -e 'vantello_' "$WORK/paths")
[ -z "$strays$leaks" ] && pass "nothing from the build tree" || fail "does not belong: $strays $leaks"

out=$(lintian --fail-on error,warning "$DEB" 2>&1 | grep -v '^running with root privileges')
[ -z "$(grep '^[EW]:' <<<"$out")" ] && pass "lintian: no errors, no warnings left unexplained" || fail "lintian: $out"

root=$WORK/root
dpkg-deb -x "$DEB" "$root"
head -n 1 "$root/usr/share/doc/vantello/copyright" \
  | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  && pass "copyright in the machine-readable format" || fail "copyright: $(head -n 1 "$root/usr/share/doc/vantello/copyright")"
# No path of the machine that built it is written into what it installs.
built_here=$(grep -rl --binary-files=text -F "$SOURCE" "$root" 2>/dev/null)
[ -z "$built_here" ] && pass "no build path inside the files" || fail "the build path $SOURCE is in: $built_here"

# The menu entry starts what the package installs, with its icon.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/vantello.desktop")
[ -x "$root$exec_line" ] && [ "$exec_line" = /usr/games/vantello ] \
  && pass "the menu entry's command is the installed game" || fail "Exec=$exec_line"
check_desktop_files "$root/usr/share" /usr/games/vantello
check_languages "$root/usr/share" "$root/usr/share/games/vantello"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/vantello.metainfo.xml" \
  && pass "the software centre shows release $version" || fail "the metainfo's newest release is not $version"
check_game_files "$root/usr/share/games/vantello"

# vantello-sim from the unpacked tree: the pay sheet, and --help for it and each command.
sim=$root/usr/bin/vantello-sim
"$sim" par >"$WORK/par.txt" 2>&1 && grep -q 'Return to player' "$WORK/par.txt" \
  && pass "vantello-sim par prints the pay sheet" || fail "vantello-sim par: $(head -n 5 "$WORK/par.txt")"
for command in "" par run eval; do
  # shellcheck disable=SC2086
  usage=$("$sim" $command --help 2>&1)
  status=$?
  [ $status -eq 0 ] && grep -q '^usage' <<<"$usage" \
    && pass "vantello-sim $command --help" || fail "vantello-sim $command --help: status $status: $usage"
done
# The manual page names every option the usage names.
page=$(zcat "$root/usr/share/man/man6/vantello-sim.6.gz" | sed 's/\\-/-/g')
unnamed=
for option in $("$sim" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -q -- "$option" <<<"$page" || unnamed="$unnamed $option"
done
[ -z "$unnamed" ] && pass "the manual page names every option" || fail "vantello-sim.6 does not name:$unnamed"

play_installed "$root/usr/games/vantello"
finish
