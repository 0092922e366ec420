#!/usr/bin/env bash
# A regular spin that earns FREE Spins plays them on the bar strip while the blinking
# counter counts them down. The time of day is held still so the spin is known.
# Usage (under Xvfb, 1024x768): bar_rolls_test.sh GAME FIXED_TIME_LIBRARY FIND_SEED
GAME=$1; SHIM=$2; FIND=$3
. "$(dirname "$0")/lib.sh"
mkdir -p "$XDG_DATA_HOME/vantello"
printf '[CurrentGame]\nDouble=0\nPayMode=0\nSound=0\n' > "$XDG_DATA_HOME/vantello/Vantello.ini"
# In the sanitizer build the preloaded clock comes before the sanitizer's runtime.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
export LD_PRELOAD=$SHIM VANTELLO_TIME_OF_DAY_MS=$("$FIND" bar)

start_game
key Return
sleep 4
yellow=0
for i in $(seq 1 12); do
  s=$(shot "roll-$i")
  # The counter "FREE Spins:  n" at (10, 300), yellow when lit.
  n=$(convert "$s" -crop 200x22+10+300 +repage -fill black -fuzz 25% +opaque yellow -format '%[fx:int(mean*w*h+.5)]' info:)
  [ "$n" -gt 20 ] && yellow=$((yellow + 1)) && cp "$s" /tmp/vantello-bar-rolls.png
  sleep 0.7
done
[ "$yellow" -ge 2 ] && pass "FREE Spins counter blinks during the Bar Rolls" || fail "no FREE Spins counter seen"
stop_game
grep -q '^NumberOfBarRolls=[1-9]' "$XDG_DATA_HOME/vantello/Vantello.ini" && pass "Bar Rolls counted" || fail "no Bar Roll counted"
finish
