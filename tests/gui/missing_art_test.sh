#!/usr/bin/env bash
# With one artwork file gone the game says so once, then starts and plays. A signal
# while the notice is open ends the game at once and leaves the saved game alone.
# Usage (under Xvfb, 1024x768): missing_art_test.sh GAME
. "$(dirname "$0")/lib.sh"
no_card_game
folder=$WORK/program
mkdir -p "$folder"
cp -r "$(dirname "$1")"/. "$folder"/
rm "$folder/Cherry96.bmp"
GAME=$folder/vantello
ini=$XDG_DATA_HOME/vantello/Vantello.ini

launch() {
  "$GAME" >>"$WORK/game.log" 2>&1 &
  GAME_PID=$!
  for _ in $(seq 1 50); do [ "$(windows_named Vantello)" -ge 1 ] && break; sleep 0.1; done
  sleep 0.5
}

printf 'Credits=777\n' >> "$ini"
launch
kill -TERM "$GAME_PID"
for _ in $(seq 1 50); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GAME_PID" 2>/dev/null && fail "SIGTERM during the notice: still running" ||
  pass "SIGTERM during the notice ends the game"
stop_game
grep -q '^Credits=777' "$ini" && pass "the saved game is left as it was" || fail "the saved game changed: $(cat "$ini")"

launch
notice=$(shot notice)
# The notice comes before the machine: one window, a small one.
[ "$(windows_named Vantello)" -eq 1 ] && pass "one window before the machine: the notice" || fail "expected the notice alone"
key Return
sleep 1.5
[ "$(windows_named Vantello)" -eq 1 ] && pass "no second notice" || fail "a notice came again"
s=$(shot machine)
key Return
sleep 1.5
s2=$(shot mid-spin)   # the bet is taken as the wheels start
differs "$s" 5 30 140 42 "$s2" && pass "the game plays without the file" || fail "no spin without the file"
stop_game
finish
