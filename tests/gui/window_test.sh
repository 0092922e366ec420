#!/usr/bin/env bash
# The real game on a screen of W x H: the machine is painted where the layout puts
# it, Enter spins and the spin takes the bet, the Spin button spins too. From 1000 wide
# the machine fills the window's height or width, centred; with "wm" as the sixth
# argument the game runs under a window manager.
# Usage (under Xvfb): window_test.sh GAME W H FIXED_TIME_LIBRARY FIND_SEED [wm]
GAME=$1; W=$2; H=$3; SHIM=$4; FIND=$5
. "$(dirname "$0")/lib.sh"
no_card_game
known_spin "$SHIM" "$FIND"
[ "${6:-}" = wm ] && with_window_manager

# The machine front is centred in its layout; its wheel windows are white. From 1000
# wide the layout is the one made for 1024.
L=$(( W >= 1000 ? 1024 : W ))
if [ "$W" -ge 1000 ]; then bg_w=498; cell_x=75; cell_y=70; pitch_x=124; pitch_y=173; oy=2
else bg_w=324; cell_x=49; cell_y=45; pitch_x=81; pitch_y=112; oy=$([ "$W" -ge 691 ] && echo 50 || echo 0); fi
ox=$(( (L - bg_w) / 2 ))

start_game
fit_of "$W"
s=$(shot start)
for w in 0 4 8; do
  read -r x y <<<"$(at $(( ox + cell_x + pitch_x * (w % 3) + 8 )) $(( oy + cell_y + pitch_y * (w / 3) + 3 )))"
  [ "$(pixel "$s" $x $y)" = "255,255,255" ] && pass "wheel $w window white" || fail "wheel $w window not white at $x,$y: $(pixel "$s" $x $y)"
done
if [ "$W" -ge 1000 ]; then
  read -r gx gy gw gh <<<"$(game_frame)"
  read -r px py pw ph <<<"$(block 0 0 1014 768)"
  { [ $(( gh - ph )) -le 1 ] || [ $(( gw - pw )) -le 1 ]; } && pass "the machine fills the window (${pw}x${ph} in ${gw}x${gh})" ||
    fail "the machine (${pw}x${ph}) does not fill the window (${gw}x${gh})"
  # The cabinet's left edge: black just left of it, the cabinet just right.
  read -r x y <<<"$(at $(( ox - 3 )) 300)"
  read -r x2 y2 <<<"$(at $(( ox + 6 )) 300)"
  [ "$(mean "$s" "$x" "$y" 1 1)" -lt 30 ] && [ "$(mean "$s" "$x2" "$y2" 1 1)" -gt 30 ] &&
    pass "the cabinet's edge stands where the fit puts it" || fail "no cabinet edge at $x..$x2,$y"
fi
# The Credits meter (red digits at 10,30) is lit.
dh=$([ "$W" -ge 1000 ] && echo 42 || echo 21)
[ "$(mean "$s" $(block 5 30 60 "$dh"))" -gt 20 ] && pass "credits meter drawn" || fail "credits meter dark"

key Return
wait_spin_over
s2=$(shot after-enter)
differs "$s" $(block 5 30 100 "$dh") "$s2" && pass "credits meter changed after Enter" || fail "credits meter unchanged after Enter"

# The Spin button: centred right of the machine, 10 pixels above the Stop button.
r=$(( ox + bg_w )); bottom=$(( oy + (W >= 1000 ? 610 : 416) ))
click $(at $(( r + (L - r) / 2 )) $(( bottom - 72 - 10 - 36 )))
wait_spin_over
s3=$(shot after-click)
differs "$s2" $(block 5 30 100 "$dh") "$s3" && pass "credits meter changed after a click on Spin" || fail "Spin button did not spin"

stop_game && pass "ends with status 0 on SIGTERM" || fail "exit status not 0"
cp "$s" "/tmp/vantello-${W}x${H}.png" 2>/dev/null
finish
