#!/usr/bin/env bash
# The data folder is one running game's own. A desktop closing while the game cannot be
# saved leaves a rescue and exits non-zero; a second copy is turned away
# without touching the file; temporaries of a killed write are cleared at the next start.
# Usage (under Xvfb, 800x600): data_folder_test.sh GAME FIXED_TIME_LIBRARY FIND_SEED
GAME=$1; SHIM=$2; FIND=$3
. "$(dirname "$0")/lib.sh"
no_card_game
known_spin "$SHIM" "$FIND"
data=$XDG_DATA_HOME/vantello
ini=$data/Vantello.ini
rescue=$data/Vantello-rescue.ini
meters="5 10 150 110"   # credits and bell pool

# -- A signal with a save that fails: the broken link stands for a full disk.
start_game
fresh=$(shot fresh)
ln -sfn "$WORK/gone/Vantello.ini" "$ini.new" && mv -T "$ini.new" "$ini"
key Return; wait_spin_over
before=$(shot before-term)
differs "$fresh" $meters "$before" || fail "the spin did not change the credits"
stop_game && fail "exit status 0 although the save failed" || pass "a failed save at SIGTERM exits non-zero"
grep -q "unable to write to $ini" "$WORK/game.log" && grep -q "saved to $rescue instead" "$WORK/game.log" \
  && pass "standard error names the failure and the rescue" || fail "no word of the rescue: $(tail -n 3 "$WORK/game.log")"
grep -q '^Spins=1' "$rescue" && pass "the rescue holds the spin" || fail "rescue lacks the spin"

# The next start offers the rescue back: pinned headless in rescue_test.cpp.
rm -f "$ini" "$rescue"
no_card_game
start_game

# -- A second copy while the first runs; a temporary file of the first's is in use.
touch "$ini.Zz99Yy"
cp "$ini" "$WORK/ini-before"
"$GAME" >"$WORK/second.log" 2>&1 &
second=$!
for _ in $(seq 1 100); do [ "$(windows_named Vantello)" -ge 2 ] && break; sleep 0.1; done
sleep 0.5
notice=$(shot second-copy)
[ "$(windows_named Vantello)" -eq 2 ] && pass "the second copy says so" || fail "no notice from the second copy"
xdotool search --name '^Vantello$' | while read -r w; do
  [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$second" ] && xdotool windowfocus --sync "$w" key Return
done
sleep 1
if kill -0 "$second" 2>/dev/null; then
  fail "the second copy is still running"; kill "$second"
else
  wait "$second"
  [ $? -ne 0 ] && pass "the second copy exits non-zero" || fail "the second copy exited with 0"
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
finish
