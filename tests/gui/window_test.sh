#!/usr/bin/env bash
# The real game on a screen of W x H: the machine is painted where the layout puts
# it, Enter spins and the spin takes the bet, the Spin button spins too. From 1000 wide
# the machine fills the window's height or width, centred; with "wm" as the sixth
# argument the game runs under a window manager. There, on 1920x1080, F11 fills the screen
# and gives the window back, a resize fits the machine again, and the window comes back at
# the next start where it was, at its size, full screen or not.
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

# The wheel windows stand white where the fit puts them.
wheels_fit() {
  local x y w
  fit_of "$W"
  s=$(shot "$1")
  for w in 0 4 8; do
    read -r x y <<<"$(at $(( ox + cell_x + pitch_x * (w % 3) + 8 )) $(( oy + cell_y + pitch_y * (w / 3) + 3 )))"
    [ "$(pixel "$s" "$x" "$y")" = "255,255,255" ] || { fail "$1: wheel $w window not white at $x,$y"; return; }
  done
  pass "$1: the wheel windows are white where the fit puts them"
}

start_game
wheels_fit start
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
[ "${6:-}" = wm ] && [ "$W" -eq 1920 ] || finish

place=$HOME/.config/vantello/Window.ini
rm -f "$place"  # a first start: maximised
size_is() { read -r _ _ gw gh <<<"$(game_frame)"; [ "$gw" -eq "$1" ] && [ "$gh" -eq "$2" ]; }

start_game
wheels_fit maximised
read -r _ _ w0 h0 <<<"$(game_frame)"
key F11; sleep 1
size_is 1920 1080 && pass "F11: full screen" || fail "F11: not full screen: $(game_frame)"
wheels_fit full-screen
key F11; sleep 1
size_is "$w0" "$h0" && pass "F11 again: the window as it was" || fail "F11 again: $(game_frame), not ${w0}x${h0}"

xdotool windowsize "$(xdotool search --name '^Vantello$' | head -n 1)" 1200 700; sleep 1
size_is 1200 700 && pass "resized to 1200x700" || fail "not resized: $(game_frame)"
wheels_fit resized
stop_game
grep -q '^Width=1200' "$place" && grep -q '^Height=700' "$place" && pass "the size is kept in the config folder" ||
  fail "no size kept: $(cat "$place" 2>&1)"
grep -q 'Credits' "$place" && fail "the window's place holds game data"

start_game
size_is 1200 700 && pass "the next start: 1200x700 again" || fail "the next start: $(game_frame)"
key F11; sleep 1
stop_game
start_game
size_is 1920 1080 && pass "the next start: full screen again" || fail "the next start is not full screen: $(game_frame)"
wheels_fit restarted-full-screen
stop_game
finish
