#!/usr/bin/env bash
# The game carries over: ended by SIGTERM and started again it shows the same
# credits, meters and bet. A broken saved-game file never stops it from starting, and
# slots holding megabytes of bytes that are no text never stop the Load Game dialog.
# Usage (under Xvfb, 800x600): saved_game_test.sh GAME FIXED_TIME_LIBRARY FIND_SEED
GAME=$1; SHIM=$2; FIND=$3
. "$(dirname "$0")/lib.sh"
no_card_game
known_spin "$SHIM" "$FIND"
ini=$XDG_DATA_HOME/vantello/Vantello.ini
meters="5 10 150 110"   # credits and bell pool, left of the machine (the Winnings meter stays out)

start_game
fresh=$(shot fresh)
key Return; wait_spin_over
key k c; sleep 0.5
before=$(shot before-term)
stop_game && pass "SIGTERM ends the game with status 0" || fail "exit status not 0 after SIGTERM"
grep -q '^LinesPlayed=7' "$ini" && grep -q '^CoinsPerLine=2' "$ini" && grep -q '^Spins=1' "$ini" \
  && pass "the game was saved on SIGTERM" || fail "saved game lacks the bet or the spin: $(cat "$ini")"

start_game
after=$(shot restarted)
differs "$before" $meters "$after" && fail "credits or bell pool differ after the restart" || pass "credits and bell pool came back"
differs "$before" 560 0 240 60 "$after" && fail "bet meters differ after the restart" || pass "bet came back"
stop_game

for broken in garbage huge directory; do
  rm -rf "$ini"
  case $broken in
    garbage) head -c 20000 /dev/urandom > "$ini" ;;
    huge) head -c 100000000 /dev/zero | tr '\0' 'x' > "$ini" ;;
    directory) mkdir -p "$ini" ;;
  esac
  start_game
  if kill -0 "$GAME_PID" 2>/dev/null; then
    s=$(shot "start-$broken")
    differs "$fresh" $meters "$s" && fail "$broken file: not the default game" || pass "$broken file: starts with the defaults"
  else
    fail "$broken file: the game did not start"
  fi
  stop_game
  [ "$broken" = huge ] && [ "$(stat -c %s "$ini")" -ne 100000000 ] && fail "the huge file was overwritten"
done

# Slot 1 with megabytes of stray UTF-8 continuation bytes, slot 2 with control
# characters, slot 3 in Latin-1.
rm -rf "$ini"
{ printf '[CurrentGame]\nDouble=0\nBellPool=0\n[GameNo1]\nGameName='
  head -c 1500000 /dev/zero | tr '\0' '\200'
  printf '\nGameDate='
  head -c 1500000 /dev/zero | tr '\0' '\277'
  printf '\n[GameNo2]\nGameName=Bell\a\b\rx\n[GameNo3]\nGameName=J\374rgen\n'; } > "$ini"
start_game
click 712 181   # Load Game
for _ in $(seq 1 30); do
  [ "$(windows_named "Open a Game -- Select Game Slot")" -gt 0 ] && break
  sleep 0.1
done
sleep 0.5
shot hostile-slots >/dev/null
[ "$(windows_named "Open a Game -- Select Game Slot")" -eq 1 ] && pass "hostile slots: the dialog opens" ||
  fail "hostile slots: no dialog"
key Escape; sleep 0.5
kill -0 "$GAME_PID" 2>/dev/null && pass "hostile slots: the game keeps running" || fail "hostile slots: the game ended"
stop_game && pass "hostile slots: ends with status 0" || fail "hostile slots: exit status not 0"
finish
