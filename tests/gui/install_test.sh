#!/usr/bin/env bash
# The installed game: `cmake --install` into a fresh prefix puts the program, its files,
# the desktop entry, the icons and the AppStream description in the GNU layout; the
# desktop's validators accept the entry and the description; started from another
# folder, the installed game finds its artwork (no missing-files notice) and spins.
# Usage (under Xvfb, 1024x768): install_test.sh CMAKE BUILD_DIR
CMAKE=$1; BUILD=$2
. "$(dirname "$0")/lib.sh"
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
share=$prefix/share

[ -x "$prefix/bin/vantello" ] && pass "the game in bin/" || fail "no bin/vantello"
missing=
for f in Backlg.bmp Backsm.bmp Cherry96.bmp Che64256.bmp Motion.bmp Cher96on.bmp Cherbut1.bmp \
         Box.bmp Spin.bmp Stop.bmp Paychart.bmp Cherry0.wav Cherry10.wav Vantello.hlp; do
  [ -s "$share/vantello/$f" ] || missing="$missing $f"
done
[ -z "$missing" ] && pass "artwork, sounds, manual and pay chart in share/vantello" || fail "missing in share/vantello:$missing"
strays=$(find "$share/vantello" -type f -executable)
[ -z "$strays" ] && pass "no programs among the game's files" || fail "programs in share/vantello: $strays"

for size in 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/vantello.png
  got=$(identify -format '%wx%h' "$icon" 2>/dev/null)
  [ "$got" = "${size}x${size}" ] && pass "icon ${size}x${size}" || fail "icon $icon is '${got}'"
done
grep -q '<svg' "$share/icons/hicolor/scalable/apps/vantello.svg" 2>/dev/null \
  && pass "scalable icon" || fail "no scalable icon"

desktop=$share/applications/vantello.desktop
grep -q '^Exec=vantello$' "$desktop" && grep -q '^Icon=vantello$' "$desktop" \
  && pass "the desktop entry starts vantello with its icon" || fail "desktop entry: $(cat "$desktop")"
if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] \
    && pass "desktop-file-validate" || fail "desktop-file-validate: $out"
else
  echo "SKIP: desktop-file-validate is not installed (package desktop-file-utils)"
fi
metainfo=$share/metainfo/vantello.metainfo.xml
if command -v appstreamcli >/dev/null; then
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1) \
    && pass "appstreamcli validate" || fail "appstreamcli validate: $out"
else
  echo "SKIP: appstreamcli is not installed (package appstream)"
fi

# Started from elsewhere, by its installed path; the build folder is out of its reach.
mkdir -p "$WORK/elsewhere"
cd "$WORK/elsewhere" || exit 1
GAME=$prefix/bin/vantello
no_card_game
start_game
small=0
for id in $(xdotool search --name '^Vantello$' 2>/dev/null); do
  w=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
  [ "${w:-0}" -lt 700 ] && small=$((small + 1))
done
[ "$small" -eq 0 ] && pass "the installed game finds its artwork" || fail "the missing-artwork notice came up"
before=$(shot installed-start)
key Return
sleep 0.5
during=$(shot installed-spin)
differs "$before" 5 30 140 42 "$during" && pass "the installed game spins" || fail "no spin"
sleep 6
stop_game && pass "ends with status 0 on SIGTERM" || fail "exit status not 0"
finish
