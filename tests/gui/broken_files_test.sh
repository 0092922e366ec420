#!/usr/bin/env bash
# Damaged files beside the game: every picture, sound and the manual in turn cut short,
# emptied or overwritten with noise. The game still starts, says so once when one of
# the machine's pictures cannot be read, spins, and ends cleanly on SIGTERM. A signal
# while the notice is open ends the game at once and leaves the saved game alone.
# Usage (under Xvfb, 1024x768): broken_files_test.sh GAME
. "$(dirname "$0")/lib.sh"
folder=$WORK/program
pristine=$WORK/pristine
mkdir -p "$folder" "$pristine"
cp -r "$(dirname "$1")"/. "$folder"/
GAME=$folder/vantello
no_card_game

machine=(Cherry96.bmp Motion.bmp Cher96on.bmp Cher96of.bmp Cherbut1.bmp)
buttons=(Box.bmp Spin.bmp Stop.bmp)
sounds=(Cherry0.wav Cherry1.wav Cherry2.wav Cherry4.wav Cherry5.wav Cherry6.wav Cherry7.wav
        Cherry8.wav Cherry9.wav Cherry10.wav)
ways=(truncated empty garbage)
everything=(Backlg.bmp Backlg2.bmp "${machine[@]}" "${buttons[@]}" "${sounds[@]}" Vantello.hlp)
for f in "${everything[@]}"; do cp "$folder/$f" "$pristine/$f"; done

break_file() {
  local file=$folder/$1
  case $2 in
    truncated) head -c $(( $(stat -c %s "$pristine/$1") / 2 )) "$pristine/$1" > "$file" ;;
    empty) : > "$file" ;;
    garbage) head -c 30000 /dev/urandom > "$file" ;;
  esac
}

# The notice is a small window with the game's name; the machine is a large one.
small_windows() {
  local n=0 id w
  for id in $(xdotool search --name "^$GAME_TITLE\$" 2>/dev/null); do
    w=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
    [ "${w:-0}" -lt 700 ] && n=$((n + 1))
  done
  echo $n
}

visible_windows() { xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l; }

# One run: the files given are broken in the way given, all else is whole. The
# notice is expected when $expect_notice is 1.
run() {
  local way=$1 expect_notice=$2 label
  shift 2
  label="$way $1$([ $# -gt 1 ] && echo " and $(($# - 1)) more")"
  for f in "${everything[@]}"; do cp "$pristine/$f" "$folder/$f"; done
  for f in "$@"; do break_file "$f" "$way"; done

  start_game
  if ! kill -0 "$GAME_PID" 2>/dev/null; then
    fail "$label: the game did not start"; tail -n 5 "$WORK/game.log"
    GAME_PID=
    return
  fi
  local notices
  notices=$(small_windows)
  if [ "$expect_notice" = 1 ]; then
    [ "$notices" -eq 1 ] && pass "$label: the missing-artwork notice" || fail "$label: no notice"
    key Return
    sleep 0.8
    [ "$(small_windows)" -eq 0 ] || fail "$label: a second notice"
  else
    [ "$notices" -eq 0 ] && pass "$label: no notice" || fail "$label: an unexpected notice"
  fi
  # A bet key that plays the click and one refused at eight lines that plays its sound.
  key k l l
  sleep 0.5
  if [[ " $* " == *" Vantello.hlp "* ]]; then
    local shown
    shown=$(visible_windows)
    key F1
    sleep 1
    if ! kill -0 "$GAME_PID" 2>/dev/null; then fail "$label: crashed on F1"
    elif [ "$(visible_windows)" -gt "$shown" ]; then pass "$label: the manual's window opens"
    else fail "$label: no window for the manual"; fi
    key Escape
    xdotool search --name "^$GAME_TITLE\$" windowfocus --sync >/dev/null 2>&1
    sleep 0.3
  fi
  local before during
  before=$(shot "before-$way")
  key Return
  sleep 0.4
  during=$(shot "during-$way")
  key space
  sleep 1.5
  differs "$before" 5 30 140 42 "$during" && pass "$label: the spin took the bet" || fail "$label: no spin"
  if kill -0 "$GAME_PID" 2>/dev/null; then
    stop_game && pass "$label: ends with status 0" || fail "$label: exit status not 0 after SIGTERM"
  else
    wait "$GAME_PID"
    fail "$label: the game died (status $?)"
    GAME_PID=
  fi
}

ini=$XDG_DATA_HOME/vantello/Vantello.ini
printf 'Credits=777\n' >> "$ini"
rm "$folder/Cherry96.bmp"
start_game
term_within_5s; [ $? -ne 124 ] && pass "SIGTERM during the notice ends the game" || fail "SIGTERM during the notice: still running"
grep -q '^Credits=777' "$ini" && pass "the saved game is left as it was" || fail "the saved game changed: $(cat "$ini")"

for i in 0 1 2; do
  way=${ways[$i]}
  # Every sound, the manual, the button pictures and the machine's pictures at once: each
  # picture on its own counting as missing is the headless BrokenArtwork test's.
  run "$way" 1 "${machine[@]}" "${sounds[@]}" Vantello.hlp "${buttons[@]}"
  # The first background stands in for by the second; with both gone the notice comes.
  run "$way" 0 Backlg.bmp
  run "$way" 1 Backlg.bmp Backlg2.bmp
done
finish
