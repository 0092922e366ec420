#!/usr/bin/env bash
# With no window manager to hand the keyboard back: after a box, a dialog or the
# manual closes, Enter at once spins the wheels. F1 in a dialog opens the manual even
# when the game was started from another folder, and that manual answers its keys and
# closes while the dialog is still open. Boxes and the manual open centred on the machine.
# FREE Spins show their blinking counter. Logging out ends the game promptly from anywhere:
# SIGTERM with any box, dialog or the manual open, mid-spin or idle, ends the process
# within 5 seconds, and the saved game holds the spin (mid-spin) or the bet just set
# (idle). A burst of refused keys holds nothing up either, nor an open popup menu.
# Usage (under Xvfb, 1024x768): focus_test.sh GAME FIXED_TIME_LIBRARY FIND_SEED LAYOUT_FACTS
GAME=$1; SHIM=$2; FIND=$3; LAYOUT_FACTS=$4
. "$(dirname "$0")/lib.sh"
layout_facts
known_spin "$SHIM" "$FIND"
mkdir -p "$XDG_DATA_HOME/vantello"
# No lines played: Enter brings up "You must place a bet first."
printf '[CurrentGame]\nDouble=0\nBellPool=0\nLinesPlayed=0\n' > "$XDG_DATA_HOME/vantello/Vantello.ini"
cd /

MANUAL="Vantello Manual"

centred() {
  local x y w h mx my mw mh
  read -r x y w h <<<"$(frame_of "$1")"
  read -r mx my mw mh <<<"$(frame_of "$GAME_TITLE")"
  [ -n "${w:-}" ] || { fail "$1: no window"; return; }
  local dx=$(( x + w / 2 - mx - mw / 2 )) dy=$(( y + h / 2 - my - mh / 2 ))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] && pass "$1: centred on the machine" ||
    fail "$1: centre $(( x + w / 2 )),$(( y + h / 2 )) is not the machine's $(( mx + mw / 2 )),$(( my + mh / 2 ))"
}

# The manual opened from a dialog: it scrolls to the wheel and closes with its Close
# button while the dialog stays open.
manual_over() {
  local dialog=$1 name=$2 x y w h before after
  wait_for "$dialog" || { fail "$name: the dialog did not open"; return; }
  key F1
  wait_for "$MANUAL" && pass "$name: F1 opens the manual" || { fail "$name: F1 opens no manual"; return; }
  sleep 0.5
  read -r x y w h <<<"$(frame_of "$MANUAL")"
  manual_frame="$x $(( y + 40 )) $w $(( h - 40 ))"
  before=$(shot "$name-manual")
  xdotool mousemove $(( x + w / 2 )) $(( y + h / 2 )) click 5 click 5 click 5
  sleep 0.5
  after=$(shot "$name-scrolled")
  differs "$before" "$x" "$(( y + 40 ))" "$w" "$(( h - 40 ))" "$after" && pass "$name: the manual scrolls" ||
    fail "$name: the manual does not scroll"
  click $(( x + w - 6 - 40 )) $(( y + 6 + 13 ))
  sleep 0.5
  [ "$(windows_named "$MANUAL")" -eq 0 ] && pass "$name: Close closes the manual" || fail "$name: the manual stays open"
  [ "$(windows_named "$dialog")" -eq 1 ] && pass "$name: the dialog is still open" || fail "$name: the dialog went away"
  key Escape
  sleep 0.5
  [ "$(windows_named "$dialog")" -eq 0 ] && pass "$name: Escape closes the dialog" || fail "$name: the dialog stays open"
}

# Enter spins: the Credits meter takes the bet. The spin runs out (a skill stop would
# land wherever the press happened to fall, and might earn rolls that outlast the wait).
spins() {
  local before after
  before=$(shot "before-$1")
  key Return
  sleep 1
  after=$(shot "after-$1")
  wait_spin_over
  differs "$before" $(block $CREDITS_METER 100 "$DIGIT_H") "$after" && pass "$1: Enter spins" || fail "$1: Enter does nothing"
}

start_game

key Return
wait_for Information && pass "box: the bet refused" || fail "box: no box for Enter without a bet"
centred Information
shot box >/dev/null
key Return
sleep 0.5
[ "$(windows_named Information)" -eq 0 ] && pass "box: OK closes it" || fail "box: still open"
key l
sleep 0.3
spins box

# The save dialog and its manual; then its name prompt (the dialog is 616 x 360, centred
# on the screen): the name typed is saved.
SAVE_DIALOG="Save a Game -- Select Game Slot"
PROMPT="Name for this saved game[?]"  # a pattern for xdotool
command_click $SAVE
manual_over "$SAVE_DIALOG" save
command_click $SAVE
if wait_for "$SAVE_DIALOG"; then
  sleep 0.5
  click $(( 204 + 271 )) $(( 204 + 49 ))
  wait_for "$PROMPT" && pass "prompt: opens for slot 1" || fail "prompt: no name prompt"
  key ctrl+a; xdotool type Lucky; key Return
  sleep 0.5
  [ "$(windows_named "$PROMPT")" -eq 0 ] && pass "prompt: Enter takes the name" || fail "prompt: still open"
  grep -q "=Lucky" "$XDG_DATA_HOME/vantello/Vantello.ini" && pass "prompt: the game is saved as typed" ||
    fail "prompt: no game saved as Lucky"
  sleep 0.3
  [ "$(windows_named "$SAVE_DIALOG")" -eq 0 ] && pass "save: the save closes the dialog" || fail "save: the dialog stays open"
else
  fail "save: the dialog did not open"
fi
spins save

# The pay chart and borrowing, each with its manual, then the manual of the machine.
command_click $PAYCHART
manual_over "Payoff Chart" paychart
spins paychart
command_click $BORROW
manual_over "Use this form to borrow or pay back credits" borrow
spins borrow
# Each dialog opens the manual at its own topic.
differs "$WORK/paychart-manual.png" $manual_frame "$WORK/borrow-manual.png" &&
  pass "the pay chart and borrowing open different topics" || fail "the same page for the pay chart and borrowing"
key F1
wait_for "$MANUAL" && pass "machine: F1 opens the manual" || fail "machine: F1 opens no manual"
centred "$MANUAL"
sleep 0.5
shot manual >/dev/null
key Escape
sleep 0.5
[ "$(windows_named "$MANUAL")" -eq 0 ] && pass "machine: Escape closes the manual" || fail "machine: the manual stays open"
spins manual

# Closing the machine takes a manual still open with it.
key F1
wait_for "$MANUAL" || fail "machine: F1 opens no manual the second time"
stop_game && pass "ends with status 0 while the manual is open" || fail "exit status not 0"

# A regular spin that earns FREE Spins plays them on the bar strip while the blinking
# counter counts them down.
printf '[CurrentGame]\nDouble=0\nPayMode=0\nSound=0\n' > "$XDG_DATA_HOME/vantello/Vantello.ini"
VANTELLO_TIME_OF_DAY_MS=$("$FIND" bar) start_game
key Return
sleep 4
yellow=0
for i in $(seq 1 12); do
  s=$(shot "roll-$i")
  # The counter "FREE Spins:  n", yellow when lit.
  read -r x y _ _ <<<"$(block $FREE_SPINS_COUNTER 200 22)"
  n=$(convert "$s" -crop "200x22+$x+$y" +repage -fill black -fuzz 25% +opaque yellow -format '%[fx:int(mean*w*h+.5)]' info:)
  [ "$n" -gt 20 ] && yellow=$((yellow + 1)) && cp "$s" /tmp/vantello-bar-rolls.png
  sleep 0.7
done
[ "$yellow" -ge 2 ] && pass "FREE Spins counter blinks during the Bar Rolls" || fail "no FREE Spins counter seen"
stop_game
grep -q '^NumberOfBarRolls=[1-9]' "$XDG_DATA_HOME/vantello/Vantello.ini" && pass "Bar Rolls counted" || fail "no Bar Roll counted"

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
  case_ stats $when "Your Game Statistics" command_click $STATS
  case_ paychart $when "Payoff Chart" command_click $PAYCHART
  case_ summary $when Information command_click $SUMMARY
  case_ web-site $when "Vantello on the Web" command_click $WEBSITE
  case_ exit $when Confirm command_click $EXIT
  case_ manual $when "Vantello Manual" key F1
done
case_ please-wait mid-spin Information command_click $BORROW
case_ card-table mid-spin "Double or Nothing Card Game" true
case_ borrow idle "Use this form to borrow or pay back credits" command_click $BORROW
case_ new-game idle Confirm command_click $NEWGAME
case_ load idle "Open a Game -- Select Game Slot" command_click $LOAD
name_prompt() { command_click $SAVE; wait_for "Save a Game -- Select Game Slot" 80 && sleep 0.5 && click 475 253; }
case_ name-prompt idle "Name for this saved game[?]" name_prompt
case_ settings idle Settings key s
# The popup menu: Shift+F10 opens it at the machine's corner, S in it opens the Settings.
menu_settings() { key shift+F10; sleep 0.5; key s; }
case_ menu idle Settings menu_settings

# A right click opens the menu where the machine was, Escape closes it, and SIGTERM
# ends the game with the menu open.
rm -f "$ini"
start_game
before=$(shot menu-before)
xdotool mousemove 300 200 click 3
sleep 0.5
open=$(shot menu-open)
differs "$before" 300 200 150 300 "$open" && pass "a right click opens the menu" || fail "a right click opens no menu"
key Escape
sleep 0.5
differs "$before" 300 200 150 300 "$(shot menu-closed)" && fail "Escape leaves the menu open" ||
  pass "Escape closes the menu"
xdotool click 3
sleep 0.5
term_within_5s && pass "menu: SIGTERM ends the game within 5 s" || fail "menu: still running 5 s after SIGTERM"

# A burst of refused keys (no more lines than eight), then SIGTERM.
rm -f "$ini"
start_game
xdotool key --delay 1 $(printf 'l %.0s' $(seq 1 208))
term_within_5s && pass "refused keys: SIGTERM ends the game within 5 s" ||
  fail "refused keys: still running 5 s after SIGTERM"
finish
