#!/usr/bin/env bash
# Logging out ends the game promptly from anywhere: SIGTERM with any box, dialog or the
# manual open, mid-spin or idle, ends the process within 5 seconds, and the saved game
# holds the spin (mid-spin) or the bet just set (idle). A burst of refused keys holds
# nothing up either.
# Usage (under Xvfb, 1024x768): signal_test.sh GAME FIXED_TIME_LIBRARY FIND_SEED
GAME=$1; SHIM=$2; FIND=$3
. "$(dirname "$0")/lib.sh"
known_spin "$SHIM" "$FIND"
ini=$XDG_DATA_HOME/vantello/Vantello.ini


# case NAME WHEN WINDOW ACTION...: a fresh game; mid-spin, Enter and at once ACTION;
# idle, one line less and then ACTION; then SIGTERM while WINDOW is open.
case_() {
  local name=$1 when=$2 window=$3; shift 3
  rm -f "$ini"
  printf '[CurrentGame]\nDouble=%s\nBellPool=0\n' "$([ "$name" = card-table ] && echo 1 || echo 0)" > "$ini"
  start_game
  if [ "$when" = mid-spin ]; then key Return; sleep 0.3; else key k; sleep 0.3; fi
  "$@"
  wait_for "$window" 80 || { fail "$name ($when): no window \"$window\""; stop_game; return; }
  shot "$name-$when" >/dev/null
  term_within_5s && pass "$name ($when): SIGTERM ends the game within 5 s" ||
    fail "$name ($when): still running 5 s after SIGTERM, or a bad exit status"
  if [ "$when" = mid-spin ]; then
    grep -q '^Spins=1' "$ini" && grep -q '^TotalBets=8' "$ini" && pass "$name ($when): the spin is saved" ||
      fail "$name ($when): the spin is not saved: $(tr '\n' ' ' < "$ini")"
  else
    grep -q '^LinesPlayed=7' "$ini" && pass "$name ($when): the bet is saved" ||
      fail "$name ($when): the bet is not saved: $(tr '\n' ' ' < "$ini")"
  fi
}

mkdir -p "$XDG_DATA_HOME/vantello"
for when in mid-spin idle; do
  case_ stats $when "Your Game Statistics" command $STATS
  case_ paychart $when "Payoff Chart" command $PAYCHART
  case_ summary $when Information command $SUMMARY
  case_ web-site $when "Vantello on the Web" command $WEBSITE
  case_ exit $when Confirm command $EXIT
  case_ manual $when "Vantello Manual" key F1
done
case_ please-wait mid-spin Information command $BORROW
case_ card-table mid-spin "Double or Nothing Card Game" true
case_ borrow idle "Use this form to borrow or pay back credits" command $BORROW
case_ new-game idle Confirm command $NEWGAME
case_ load idle "Open a Game -- Select Game Slot" command $LOAD
name_prompt() { command $SAVE; wait_for "Save a Game -- Select Game Slot" 80 && sleep 0.5 && click 475 253; }
case_ name-prompt idle "Name for this saved game[?]" name_prompt

# A burst of refused keys (no more lines than eight), then SIGTERM.
rm -f "$ini"
start_game
xdotool key --delay 1 $(printf 'l %.0s' $(seq 1 208))
term_within_5s && pass "refused keys: SIGTERM ends the game within 5 s" ||
  fail "refused keys: still running 5 s after SIGTERM"
finish
