#!/usr/bin/env bash
# The game carries over: ended by SIGTERM and started again it shows the same
# credits, meters and bet. A broken saved-game file never stops it from starting. (Slots
# of bytes that are no text are cut as they load, headless, and cut again for the X
# server in text_fit.cpp.)
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

finish
