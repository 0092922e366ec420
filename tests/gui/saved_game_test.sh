#!/usr/bin/env bash
# The game carries over: ended by SIGTERM and started again it shows the same credits,
# meters and bet. A broken saved-game file never stops it from starting. (Slots of bytes
# that are no text are cut as they load, headless, and cut again for the X server in
# text_fit.cpp.) The data folder is one running game's own: a desktop closing while the
# game cannot be saved leaves a rescue and exits non-zero (the next start's offer is
# pinned in rescue_test.cpp); a second copy is turned away without touching the file;
# temporaries of a killed write are cleared at the next start.
# The recall opens on R with the very pictures the wheels stopped on.
# Usage (under Xvfb, 800x600): saved_game_test.sh GAME FIXED_TIME_LIBRARY FIND_SEED LAYOUT_FACTS
GAME=$1; SHIM=$2; FIND=$3; LAYOUT_FACTS=$4
. "$(dirname "$0")/lib.sh"
no_card_game
known_spin "$SHIM" "$FIND"
data=$XDG_DATA_HOME/vantello
ini=$data/Vantello.ini
rescue=$data/Vantello-rescue.ini
meters="5 10 150 110"   # credits and bell pool, left of the machine (the Winnings meter stays out)

start_game
fresh=$(shot fresh)
key Return; wait_spin_over
key k c; sleep 0.5
before=$(shot before-term)
stop_game && pass "SIGTERM ends the game with status 0" || fail "exit status not 0 after SIGTERM"
grep -q '^LinesPlayed=7' "$ini" && grep -q '^CoinsPerLine=2' "$ini" && grep -q '^Spins=1' "$ini" \
  && pass "the game was saved on SIGTERM" || fail "saved game lacks the bet or the spin: $(cat "$ini")"

# The spin is in the recall, and its wheels follow from the seed it kept; a recall whose
# stops were edited does not verify.
recall=$data/Vantello-recall.ini
sim=$(dirname "$GAME")/vantello-sim
"$sim" recall --verify >"$WORK/recall.txt" 2>&1 && grep -q '^1 game recalled' "$WORK/recall.txt" \
  && pass "the recall holds the spin and it verifies" || fail "recall: $(cat "$WORK/recall.txt")"
"$sim" recall "$recall" --json | grep -q '^{"file":.*"meters":{.*"games":1,.*"games":\[{"number":1,.*"bet":8,' \
  && pass "the recall as JSON" || fail "recall JSON: $("$sim" recall "$recall" --json 2>&1 | head -c 300)"
sed 's/^\(Turn1=0 [0-9]*\) \([0-9]*\)/\1 1\2/' "$recall" > "$WORK/edited-recall.ini"
"$sim" recall "$WORK/edited-recall.ini" --verify >/dev/null 2>&1 && fail "an edited recall verifies" \
  || pass "an edited recall does not verify"

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
  # A file it may not read is never replaced, and the player is told once, before the game.
  if [ "$broken" != garbage ]; then
    [ "$(windows_named Information)" -eq 1 ] && pass "$broken file: the player is told" || fail "$broken file: nothing said"
    key Return
    wait_for "$GAME_TITLE" 100; sleep 0.8
  fi
  if kill -0 "$GAME_PID" 2>/dev/null; then
    s=$(shot "start-$broken")
    differs "$fresh" $meters "$s" && fail "$broken file: not the default game" || pass "$broken file: starts with the defaults"
  else
    fail "$broken file: the game did not start"
  fi
  stop_game
  [ "$broken" = huge ] && [ "$(stat -c %s "$ini")" -ne 100000000 ] && fail "the huge file was overwritten"
done

# -- A signal with a save that fails: the broken link stands for a full disk. (The broken
# files above could not be saved either: their rescues go, and so does what they said.)
rm -rf "$ini" "$data"/Vantello-rescue*.ini
: >"$WORK/game.log"
no_card_game
start_game
fresh=$(shot fresh-again)
ln -sfn "$WORK/gone/Vantello.ini" "$ini.new" && mv -T "$ini.new" "$ini"
key Return; wait_spin_over
before=$(shot before-term)
differs "$fresh" $meters "$before" || fail "the spin did not change the credits"
stop_game && fail "exit status 0 although the save failed" || pass "a failed save at SIGTERM exits non-zero"
grep -q "unable to write to $ini" "$WORK/game.log" && grep -q "saved to $rescue instead" "$WORK/game.log" \
  && pass "standard error names the failure and the rescue" || fail "no word of the rescue: $(tail -n 3 "$WORK/game.log")"
grep -q '^Spins=1' "$rescue" && pass "the rescue holds the spin" || fail "rescue lacks the spin"

rm -f "$ini" "$rescue"
no_card_game
start_game

# -- A second copy while the first runs; a temporary file of the first's is in use.
touch "$ini.Zz99Yy"
cp "$ini" "$WORK/ini-before"
"$GAME" >"$WORK/second.log" 2>&1 &
second=$!
for _ in $(seq 1 100); do [ "$(windows_named "$GAME_TITLE")" -ge 2 ] && break; sleep 0.1; done
sleep 0.5
notice=$(shot second-copy)
[ "$(windows_named "$GAME_TITLE")" -eq 2 ] && pass "the second copy says so" || fail "no notice from the second copy"
xdotool search --name "^$GAME_TITLE\$" | while read -r w; do
  [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$second" ] && xdotool windowfocus --sync "$w" key Return
done
sleep 1
if kill -0 "$second" 2>/dev/null; then
  fail "the second copy is still running"; kill "$second"
else
  wait "$second"
  [ $? -ne 0 ] && pass "the second copy exits non-zero" || fail "the second copy exited with 0"
fi
# A signal while its notice is up (the desktop logging out) ends it with its own status.
"$GAME" >"$WORK/third.log" 2>&1 &
third=$!
for _ in $(seq 1 100); do [ "$(windows_named "$GAME_TITLE")" -ge 2 ] && break; sleep 0.1; done
sleep 0.3
kill -TERM "$third"
for _ in $(seq 1 50); do kill -0 "$third" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$third" 2>/dev/null; then
  fail "a signal did not end the second copy's notice"; kill -KILL "$third"; wait "$third" 2>/dev/null
else
  wait "$third"; status=$?
  [ "$status" -eq 1 ] && pass "a signal ends the second copy with its own status 1" \
    || fail "the second copy ended by the signal's default action ($status)"
fi
cmp -s "$ini" "$WORK/ini-before" && [ -e "$ini.Zz99Yy" ] && pass "the second copy touched nothing" \
  || fail "the second copy changed the folder"
kill -0 "$GAME_PID" 2>/dev/null && pass "the first copy plays on" || fail "the first copy is gone"
stop_game && pass "the first copy still ends with status 0" || fail "first copy: exit status not 0"

# -- The next start clears our stale temporaries, and only ours.
touch "$data/Vantello.ini.keep"
start_game
[ ! -e "$ini.Zz99Yy" ] && [ -e "$data/Vantello.ini.keep" ] && pass "stale temporaries cleared, others kept" \
  || fail "temporaries: $(ls "$data")"
stop_game

# -- A signal while the rescue is offered is no answer: the game ends at once, the rescue
# stays to be offered again and the saved game is left as it was.
printf '[CurrentGame]\nCredits=77\n' > "$data/Vantello-rescue.ini"
touch -d '1 hour ago' "$ini"
cp "$ini" "$WORK/ini-before"
start_game
for _ in $(seq 1 50); do [ "$(windows_named Confirm)" -gt 0 ] && break; sleep 0.1; done
[ "$(windows_named Confirm)" -gt 0 ] && pass "the rescue is offered" || fail "no rescue offer"
term_within_5s; status=$?
[ "$status" -eq 0 ] && pass "a signal during the offer ends the game" || fail "a signal during the offer: status $status"
[ -e "$data/Vantello-rescue.ini" ] && [ ! -e "$data/Vantello-rescue-declined.ini" ] &&
  pass "the rescue stays to be offered" || fail "the rescue was answered: $(ls "$data")"
cmp -s "$ini" "$WORK/ini-before" && pass "the saved game is left as it was" || fail "the saved game was rewritten"

# -- R opens the recall on the spin just played (one that pays nothing, so no line is
# hatched): its nine squares are the very pictures the wheels stopped on. Previous shows
# the game before, Next comes back.
rm -f "$data"/Vantello-rescue*.ini
no_card_game
layout_facts
export VANTELLO_TIME_OF_DAY_MS=$("$FIND" lose)
start_game
key Return; wait_spin_over
key Return; wait_spin_over
machine=$(shot machine-before-recall)
read -r mx my _ _ <<<"$(game_frame)"
key r
wait_for "Game Recall" 30 && pass "R opens the recall" || fail "R opens no recall"
read -r rx ry _ _ <<<"$(frame_of "Game Recall")"
shown=$(shot recall-newest)
same=0
for w in 0 1 2 3 4 5 6 7 8; do
  wheel=WHEEL_$w
  read -r wx wy ww wh <<<"${!wheel}"
  convert "$machine" -crop "${ww}x${wh}+$((mx + wx))+$((my + wy))" +repage "$WORK/wheel-$w.png"
  convert "$shown" -crop "64x64+$((rx + 16 + (w % 3) * 68))+$((ry + 60 + (w / 3) * 68))" +repage "$WORK/cell-$w.png"
  # The square is somewhere in its wheel's window, as it stood: found there to the pixel.
  found=$(compare -metric AE -subimage-search "$WORK/wheel-$w.png" "$WORK/cell-$w.png" null: 2>&1 | cut -d' ' -f1)
  [ "$found" = 0 ] && same=$((same + 1))
done
[ "$same" -eq 9 ] && pass "the recall shows the symbols the wheels stopped on" || fail "only $same of 9 recalled symbols match the wheels"
heading="$((rx + 16)) $((ry + 34)) 400 18"
key alt+p; sleep 0.5
older=$(shot recall-older)
differs "$shown" $heading "$older" && pass "Previous shows the game before" || fail "Previous changed nothing"
key alt+n; sleep 0.5
back=$(shot recall-back)
differs "$shown" $heading "$back" && fail "Next did not come back to the newest" || pass "Next comes back"
key Escape; sleep 0.3
[ "$(windows_named "Game Recall")" -eq 0 ] && pass "Escape closes the recall" || fail "the recall stays open"
stop_game
finish
