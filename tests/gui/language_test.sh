#!/usr/bin/env bash
# The game in a player's language, under the locale a player of it has: the card table, the
# statistics, a Confirm box and the manual open under their titles in that language, and
# the command bar is not the English one, and Y still answers Yes. A game played in this language, saved, is the
# same game for a player of another: its credits and names come back unchanged.
# Screenshots of each step are kept in SHOTS (when given) to be looked at.
# Usage (under Xvfb): language_test.sh GAME LANG OTHER_LANG LOCPATH FIXED_TIME_LIBRARY FIND_SEED LAYOUT_FACTS [SHOTS]
GAME=$1; LANG_CODE=$2; OTHER=$3; export LOCPATH=$4; SHIM=$5; FIND=$6; LAYOUT_FACTS=$7; SHOTS=${8:-}
. "$(dirname "$0")/lib.sh"
W=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
layout_facts "$W"
known_spin "$SHIM" "$FIND"
unset LC_ALL LC_MESSAGES LANGUAGE
player() { local c; c=$(echo "$1" | tr '[:lower:]' '[:upper:]'); echo "${1}_$c.UTF-8"; }
# A text as the game shows it to a player of this language.
said() { LANG=$(player "$LANG_CODE") TEXTDOMAINDIR="$(dirname "$GAME")/locale" gettext -d vantello "$1"; }
keep() { [ -n "$SHOTS" ] && mkdir -p "$SHOTS" && cp "$1" "$SHOTS/$LANG_CODE-${W}-$2.png"; }
# A title as a pattern for xdotool, which reads the titles' older Latin-1 property: each
# run of letters beyond ASCII matches whatever the property holds there.
titled() { printf '%s' "$1" | LC_ALL=C sed 's/[^ -~]\{1,\}/.+/g'; }
settled() { wait_for "$(titled "$1")" 100 && sleep 0.5; }

# The English command bar, to tell the translated one from.
export LANG=C.UTF-8
no_card_game
start_game
fit_of "$W"
read -r bx by _ _ <<<"$COMMAND_6"
read -r bx by bw bh <<<"$(block "$bx" "$by" 124 140)"
english=$(shot english)
stop_game

export LANG; LANG=$(player "$LANG_CODE")
[ "$(said "Your Game Statistics")" != "Your Game Statistics" ] || fail "no $LANG_CODE catalogue for the test to read"
ini=$XDG_DATA_HOME/vantello/Vantello.ini
printf '[CurrentGame]\nDouble=1\nBellPool=0\n[GameNo1]\nGameName=Ñandú über Käse\nGameDate=01/02/26\nCredits=777\n' >"$ini"
start_game
fit_of "$W"
s=$(shot machine)
keep "$s" machine
differs "$english" "$bx" "$by" "$bw" "$bh" "$s" && pass "the command bar is not the English one" ||
  fail "the command bar reads as in English"

# The known spin wins: the card table opens.
key Return
title=$(said "Double or Nothing Card Game")
if settled "$title"; then
  pass "the card table: \"$title\""
  keep "$(shot card)" card
  key Return
  sleep 1
else
  fail "no card table titled \"$title\""
fi

for step in "STATS|Your Game Statistics" "NEWGAME|Confirm"; do
  command=${step%%|*}; title=$(said "${step#*|}")
  command_click "${!command}"
  if settled "$title"; then
    pass "$command opens \"$title\""
    keep "$(shot "$command")" "$command"
    key Escape
    sleep 0.5
  else
    fail "$command: no window titled \"$title\""
  fi
done

key F1
title=$(said "Vantello Manual")
if settled "$title"; then
  pass "the manual: \"$title\""
  keep "$(shot manual)" manual
  key Escape
  sleep 0.5
else
  fail "no manual titled \"$title\""
fi
# Y answers Yes in every language, whatever letter the translated button marks: the game
# ends, saving.
command_click "$EXIT"
if settled "$(said Confirm)"; then
  key y
  for _ in $(seq 1 50); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$GAME_PID" 2>/dev/null && fail "Y did not answer Yes to \"Exit\"" || pass "Y answers Yes: the game ended"
else
  fail "no Confirm box for Exit"
fi
stop_game
credits=$(sed -n '/^\[CurrentGame\]/,/^\[/s/^Credits=//p' "$ini" | tr -d '\r')
[ -n "$credits" ] && [ "$credits" != 1000 ] && pass "the game played in $LANG_CODE is saved: $credits credits" ||
  fail "no game saved: $(cat "$ini")"

# The same games for a player of another language.
cp "$ini" "$WORK/saved-in-$LANG_CODE.ini"
LANG=$(player "$OTHER")
start_game
stop_game
again=$(sed -n '/^\[CurrentGame\]/,/^\[/s/^Credits=//p' "$ini" | tr -d '\r')
[ "$again" = "$credits" ] && pass "in $OTHER the game has its $credits credits" || fail "in $OTHER: $again credits, not $credits"
grep -q '^GameName=Ñandú über Käse' "$ini" && grep -q '^Credits=777' "$ini" &&
  pass "in $OTHER the saved game keeps its name and credits" || fail "the saved game changed: $(cat "$ini")"
finish
