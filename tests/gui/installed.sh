# Checks shared by the installed game's tests (cmake --install, and the Debian package
# unpacked): the files desktops look for, and the game started from another folder.
# Sourced after lib.sh.

# The icons, the menu entry and the software-centre description under SHARE; the menu
# entry's command must be EXEC.
check_desktop_files() {
  local share=$1 exec=$2 size got out
  for size in 48 64 128 256; do
    got=$(identify -format '%wx%h' "$share/icons/hicolor/${size}x${size}/apps/vantello.png" 2>/dev/null)
    [ "$got" = "${size}x${size}" ] && pass "icon ${size}x${size}" || fail "icon ${size}x${size} is '${got}'"
  done
  grep -q '<svg' "$share/icons/hicolor/scalable/apps/vantello.svg" 2>/dev/null \
    && pass "scalable icon" || fail "no scalable icon"
  local desktop=$share/applications/vantello.desktop
  grep -qx "Exec=$exec" "$desktop" && grep -qx 'Icon=vantello' "$desktop" \
    && pass "the menu entry starts $exec with the installed icon" || fail "desktop entry: $(cat "$desktop")"
  out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] \
    && pass "desktop-file-validate" || fail "desktop-file-validate: $out"
  out=$(appstreamcli validate --no-net "$share/metainfo/vantello.metainfo.xml" 2>&1) \
    && pass "appstreamcli validate" || fail "appstreamcli validate: $out"
}

# The game and its files in DATA: artwork, sounds, manual and pay chart, nothing runnable.
check_game_files() {
  local data=$1 missing= f
  for f in Backlg.bmp Backsm.bmp Cherry96.bmp Che64256.bmp Motion.bmp Cher96on.bmp Cherbut1.bmp \
           Box.bmp Spin.bmp Stop.bmp Paychart.bmp Cherry0.wav Cherry10.wav Vantello.hlp \
           2x/Backlg.bmp 3x/Backlg.bmp; do
    [ -s "$data/$f" ] || missing="$missing $f"
  done
  [ -z "$missing" ] && pass "artwork, sounds, manual and pay chart in $data" || fail "missing in $data:$missing"
  local strays
  strays=$(find "$data" -type f -executable)
  [ -z "$strays" ] && pass "no programs among the game's files" || fail "programs among the game's files: $strays"
}

# Every language of po/LINGUAS installed: its catalogue under SHARE/locale (where the game
# finds it from DATA), its manual beside the English one in DATA, and its words in the menu
# entry and the software-centre description.
check_languages() {
  local share=$1 data=$2 lang missing=
  for lang in $(sed 's/#.*//' "$(dirname "${BASH_SOURCE[0]}")/../../po/LINGUAS"); do
    [ -s "$share/locale/$lang/LC_MESSAGES/vantello.mo" ] || missing="$missing $lang.mo"
    [ -s "$data/Vantello.$lang.hlp" ] || missing="$missing Vantello.$lang.hlp"
    grep -q "^Comment\[$lang\]=" "$share/applications/vantello.desktop" || missing="$missing desktop:$lang"
    grep -q "xml:lang=\"$lang\"" "$share/metainfo/vantello.metainfo.xml" || missing="$missing metainfo:$lang"
  done
  [ -z "$missing" ] && pass "every language's catalogue, manual, menu entry and description" ||
    fail "missing languages:$missing"
}

# Started by its installed path from a folder of its own, out of the build's reach: the
# game finds its artwork (no missing-files notice, which is a small window), spins, and
# ends with status 0 on SIGTERM. Leaves the caller in that folder.
play_installed() {
  GAME=$1
  mkdir -p "$WORK/elsewhere"
  cd "$WORK/elsewhere" || return 1
  no_card_game
  start_game
  local small=0 id w
  for id in $(xdotool search --name "^$GAME_TITLE\$" 2>/dev/null); do
    w=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
    [ "${w:-0}" -lt 700 ] && small=$((small + 1))
  done
  [ "$(windows_named "$GAME_TITLE")" -gt 0 ] && [ "$small" -eq 0 ] \
    && pass "the installed game opens with its artwork" || fail "no game window, or the missing-artwork notice came up"
  local before during
  before=$(shot installed-start)
  key Return
  sleep 0.5
  during=$(shot installed-spin)
  differs "$before" 5 30 140 42 "$during" && pass "the installed game spins" || fail "no spin"
  sleep 6
  stop_game && pass "ends with status 0 on SIGTERM" || fail "exit status not 0"
}
