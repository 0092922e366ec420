#!/usr/bin/env bash
# The real game on a screen of W x H: the machine is painted where the layout puts
# it, Enter spins and the spin takes the bet, the Spin button spins too. From 1000 wide
# the machine fills the window's height or width, centred, and below its own size its
# captions are drawn at the size they are shown; with "wm" as the seventh
# argument the game runs under a window manager. There, on 1920x1080, F11 fills the screen
# and gives the window back, a resize fits the machine again, and the window comes back at
# the next start where it was, at its size, full screen or not; and the windows over the
# machine grow with it: the card table, the statistics, a box and the manual open at the
# machine's scale, centred on it, and a click on the grown table turns the card under it.
# The machine kept at its layout's own size on the same screen opens them at their own sizes.
# Where the machine's parts stand comes from the game's layout code (LAYOUT_FACTS).
# Usage (under Xvfb): window_test.sh GAME W H FIXED_TIME_LIBRARY FIND_SEED LAYOUT_FACTS [wm]
GAME=$1; W=$2; H=$3; SHIM=$4; FIND=$5; LAYOUT_FACTS=$6
. "$(dirname "$0")/lib.sh"
no_card_game
known_spin "$SHIM" "$FIND"
[ "${7:-}" = wm ] && with_window_manager
layout_facts "$W"

# The wheel windows are white: wheel w's a few pixels in from its corner.
wheels_fit() {
  local x y w wheel
  fit_of "$W"
  s=$(shot "$1")
  for w in 0 4 8; do
    wheel=WHEEL_$w
    read -r x y _ _ <<<"${!wheel}"
    read -r x y <<<"$(at $(( x + 8 )) $(( y + 3 )))"
    [ "$(pixel "$s" "$x" "$y")" = "255,255,255" ] || { fail "$1: wheel $w window not white at $x,$y"; return; }
  done
  pass "$1: the wheel windows are white where the fit puts them"
}

start_game
wheels_fit start
if [ "$W" -ge "$LARGE_SCREEN_WIDTH" ]; then
  read -r gx gy gw gh <<<"$(game_frame)"
  read -r px py pw ph <<<"$(block 0 0 "$LARGE_LAYOUT_W" "$LARGE_LAYOUT_H")"
  { [ $(( gh - ph )) -le 1 ] || [ $(( gw - pw )) -le 1 ]; } && pass "the machine fills the window (${pw}x${ph} in ${gw}x${gh})" ||
    fail "the machine (${pw}x${ph}) does not fill the window (${gw}x${gh})"
  # The cabinet's left edge: black just left of it, the cabinet just right.
  read -r x y <<<"$(at $(( ORIGIN_X - 3 )) 300)"
  read -r x2 y2 <<<"$(at $(( ORIGIN_X + 6 )) 300)"
  [ "$(mean "$s" "$x" "$y" 1 1)" -lt 30 ] && [ "$(mean "$s" "$x2" "$y2" 1 1)" -gt 30 ] &&
    pass "the cabinet's edge stands where the fit puts it" || fail "no cabinet edge at $x..$x2,$y"
  # Below its own size (a maximised window on a 1366x768 screen) the captions are drawn at
  # the size they are shown, not shrunk with the pictures: their letters keep the captions'
  # own yellow. Shrunk, the command bar holds a dozen such pixels; drawn, over a hundred.
  if [ "$ph" -lt $(( LARGE_LAYOUT_H - 1 )) ]; then
    read -r bx by _ _ <<<"$COMMAND_6"
    read -r bx by bw bh <<<"$(block "$bx" "$by" 124 140)"
    yellow=$(convert "$s" -crop "${bw}x${bh}+${bx}+${by}" +repage -depth 8 txt:- |
      awk 'NR > 1 { gsub(/[()]/, " "); split($2, c, ","); if (c[1] >= 230 && c[2] >= 200 && c[3] <= 60) n++ }
           END { print n + 0 }')
    [ "$yellow" -ge 60 ] && pass "below its own size the captions are drawn, not shrunk ($yellow yellow pixels)" ||
      fail "the captions look shrunk in a ${gw}x${gh} window: $yellow yellow pixels in $s"
  fi
fi
# The Credits meter (red digits) is lit.
read -r meter_x meter_y <<<"$CREDITS_METER"
[ "$(mean "$s" $(block "$meter_x" "$meter_y" 60 "$DIGIT_H"))" -gt 20 ] && pass "credits meter drawn" || fail "credits meter dark"

key Return
wait_spin_over
s2=$(shot after-enter)
differs "$s" $(block "$meter_x" "$meter_y" 100 "$DIGIT_H") "$s2" && pass "credits meter changed after Enter" || fail "credits meter unchanged after Enter"

# A click in the middle of the Spin button.
read -r bx by bw bh <<<"$SPIN"
click $(at $(( bx + bw / 2 )) $(( by + bh / 2 )))
wait_spin_over
s3=$(shot after-click)
differs "$s2" $(block "$meter_x" "$meter_y" 100 "$DIGIT_H") "$s3" && pass "credits meter changed after a click on Spin" || fail "Spin button did not spin"

stop_game && pass "ends with status 0 on SIGTERM" || fail "exit status not 0"
cp "$s" "/tmp/vantello-${W}x${H}.png" 2>/dev/null

# A kept place larger than the screen (a damaged Window.ini) opens on the screen and is
# not written back: without a window manager nothing else would bring it back.
if [ "${7:-}" != wm ] && [ "$W" -ge "$LARGE_SCREEN_WIDTH" ]; then
  place=$HOME/.config/vantello/Window.ini
  mkdir -p "$(dirname "$place")"
  printf '[Window]\nX=0\nY=0\nWidth=100000\nHeight=100000\nFullScreen=0\n' > "$place"
  start_game
  read -r gx gy gw gh <<<"$(game_frame)"
  [ "$gw" -le "$W" ] && [ "$gh" -le "$H" ] && [ "$gx" -ge 0 ] && [ "$gy" -ge 0 ] &&
    pass "an oversized kept place opens on the screen (${gw}x${gh})" || fail "an oversized kept place: $(game_frame)"
  stop_game
  width=$(sed -n 's/^Width=//p' "$place" | tr -d '\r')
  [ -n "$width" ] && [ "$width" -le "$W" ] && pass "the place kept is on the screen ($width wide)" ||
    fail "the oversized place was written back: $(cat "$place")"
  rm -f "$place"
fi
[ "${7:-}" = wm ] && [ "$W" -eq 1920 ] || finish

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

# Exactly the machine's height: shown at its own size, centred, not against the left edge.
xdotool windowsize "$(xdotool search --name "^$GAME_TITLE\$" | head -n 1)" 1400 768; sleep 1
size_is 1400 768 && wheels_fit "1400x768, one to one" || fail "not resized to 1400x768: $(game_frame)"
# Made small, the window keeps to the smallest screen's size, and a dialog to its own.
xdotool windowsize "$(xdotool search --name "^$GAME_TITLE\$" | head -n 1)" 500 400; sleep 1
read -r _ _ gw gh <<<"$(game_frame)"
[ "$gw" -ge 640 ] && [ "$gh" -ge 480 ] && pass "the window keeps to 640x480 at least (${gw}x${gh})" ||
  fail "the window shrank to ${gw}x${gh}"
fit_of "$W"
command_click $STATS
if wait_for "Your Game Statistics" 100 && sleep 0.5; then
  read -r _ _ w h <<<"$(frame_of "Your Game Statistics")"
  [ "$w" -ge 632 ] && [ "$h" -ge 357 ] && pass "over a small machine the statistics keep their size (${w}x${h})" ||
    fail "over a small machine the statistics shrank to ${w}x${h}"
  key Escape
  sleep 0.5
else
  fail "no statistics over the small machine"
fi
xdotool windowsize "$(xdotool search --name "^$GAME_TITLE\$" | head -n 1)" 1200 700; sleep 1
size_is 1200 700 && pass "resized to 1200x700" || fail "not resized: $(game_frame)"
wheels_fit resized
stop_game
grep -q '^Width=1200' "$place" && grep -q '^Height=700' "$place" && pass "the size is kept in the config folder" ||
  fail "no size kept: $(cat "$place" 2>&1)"
grep -q 'Credits' "$place" && fail "the window's place holds game data"

start_game
size_is 1200 700 && pass "the next start: 1200x700 again" || fail "the next start: $(game_frame)"
# A restored window is not pinned to its restored size.
xdotool windowsize "$(xdotool search --name "^$GAME_TITLE\$" | head -n 1)" 1100 650; sleep 1
size_is 1100 650 && pass "a restored window still resizes" || fail "a restored window did not resize: $(game_frame)"
key F11; sleep 1
size_is 1920 1080 && pass "a restored window goes full screen" || fail "F11 after a restore: $(game_frame)"
stop_game
start_game
size_is 1920 1080 && pass "the next start: full screen again" || fail "the next start is not full screen: $(game_frame)"
wheels_fit restarted-full-screen
stop_game

ini=$XDG_DATA_HOME/vantello/Vantello.ini
mkdir -p "$(dirname "$place")"
# A window opened, and given a moment to settle.
settled() { wait_for "$1" 100 && sleep 0.5; }

# The machine's scale: window pixels per layout pixel.
machine_scale() {
  read -r gx gy gw gh <<<"$(game_frame)"
  awk -v w="$gw" -v h="$gh" -v lw="$LARGE_LAYOUT_W" -v lh="$LARGE_LAYOUT_H" \
      'BEGIN { s = w / lw; if (h / lh < s) s = h / lh; printf "%.6f", s }'
}

# check_window NAME LAYOUT_W LAYOUT_H [SLACK]: the window is the machine's scale times its
# layout's size (within 2 pixels, and SLACK layout pixels more) and centred on the
# machine (within 2 pixels).
check_window() {
  local s x y w h gx gy gw gh slack=${4:-0}
  s=$(machine_scale)
  read -r x y w h <<<"$(frame_of "$1")"
  read -r gx gy gw gh <<<"$(game_frame)"
  [ -n "$w" ] || { fail "$1: no window"; return; }
  awk -v s="$s" -v lw="$2" -v lh="$3" -v x="$x" -v y="$y" -v w="$w" -v h="$h" \
      -v gx="$gx" -v gy="$gy" -v gw="$gw" -v gh="$gh" -v slack="$slack" 'function abs(v) { return v < 0 ? -v : v }
    BEGIN { exit !(abs(w - s * lw) <= 2 + slack * s && abs(h - s * lh) <= 2 + slack * s &&
                   abs(2 * x + w - 2 * gx - gw) <= 4 && abs(2 * y + h - 2 * gy - gh) <= 4) }' &&
    pass "$1: ${w}x${h} at $x,$y, ${s} times ${2}x${3}, centred on the machine ${gw}x${gh} at $gx,$gy" ||
    fail "$1: ${w}x${h} at $x,$y is not ${s} times ${2}x${3} centred on the machine ${gw}x${gh} at $gx,$gy"
}

# ---- The machine at its own size: the windows at theirs. ----
printf '[CurrentGame]\nDouble=0\nBellPool=0\n' > "$ini"
printf '[Window]\nX=100\nY=100\nWidth=%d\nHeight=%d\nFullScreen=0\n' "$LARGE_LAYOUT_W" "$LARGE_LAYOUT_H" > "$place"
start_game
fit_of "$W"
[ "$(machine_scale)" = 1.000000 ] && pass "the machine kept at its own size" || fail "the machine at scale $(machine_scale)"
command_click $STATS
if settled "Your Game Statistics"; then
  read -r _ _ w h <<<"$(frame_of "Your Game Statistics")"
  [ "$w x $h" = "632 x 357" ] && pass "statistics at their own size" || fail "statistics at ${w}x${h}, not 632x357"
fi
key Escape
sleep 0.5
command_click $EXIT
settled Confirm
read -r _ _ box_w box_h <<<"$(frame_of Confirm)"
key Escape
stop_game

# ---- The machine filling the screen: the windows grow with it. ----
printf '[CurrentGame]\nDouble=1\nBellPool=0\n' > "$ini"
rm -f "$place"
start_game
fit_of "$W"
s=$(machine_scale)
awk -v s="$s" 'BEGIN { exit !(s > 1.3) }' && pass "the machine at scale $s" || fail "the machine not grown: $s"

# The known spin wins: the card table opens.
key Return
if settled "Double or Nothing Card Game"; then
  check_window "Double or Nothing Card Game" 640 440
  read -r tx ty _ _ <<<"$(frame_of "Double or Nothing Card Game")"
  table=$(shot card-table)
  # The card in slot 18 (third row, third card; 73x98 at 164,208 of the table), clicked
  # in its middle. Taken as the table's own coordinates the click would miss every card.
  card() { awk -v s="$s" -v tx="$tx" -v ty="$ty" -v x="$1" -v y="$2" -v w="$3" -v h="$4" \
             'BEGIN { printf "%d %d %d %d", tx + int(x * s + 0.5), ty + int(y * s + 0.5), int(w * s), int(h * s) }'; }
  read -r cx cy cw ch <<<"$(card 164 208 73 98)"
  click $(( cx + cw / 2 )) $(( cy + ch / 2 ))
  sleep 1.5
  turned=$(shot card-turned)
  differs "$table" $(card 170 214 61 86) "$turned" && pass "a click turns the card under it" ||
    fail "the card under the click at $(( cx + cw / 2 )),$(( cy + ch / 2 )) did not turn"
  differs "$table" $(card 242 208 73 98) "$turned" && fail "the card beside it changed" || pass "the cards beside it stay"
  key Return
  sleep 1
else
  fail "no card table"
fi

command_click $STATS
settled "Your Game Statistics" && check_window "Your Game Statistics" 632 357
shot stats >/dev/null
key Escape
sleep 0.5

# A box is sized by measuring its text, at the size it shows it: the face grown is a few
# pixels wider or narrower than the 1x one grown, so the box's size at scale 1 is kept
# within 4 layout pixels.
command_click $EXIT
if settled Confirm; then
  check_window Confirm "$box_w" "$box_h" 4
  shot confirm >/dev/null
  key Escape
  sleep 0.5
else
  fail "no Confirm box"
fi

# The manual: 720 wide in the layout; its height is what the screen leaves.
key F1
if settled "Vantello Manual"; then
  read -r _ _ w _ <<<"$(frame_of "Vantello Manual")"
  awk -v w="$w" -v s="$s" 'BEGIN { d = w - 720 * s; exit !(d <= 2 && d >= -2) }' &&
    pass "the manual is $w wide, $s times 720" || fail "the manual is $w wide, not $s times 720"
  shot manual >/dev/null
else
  fail "no manual"
fi

stop_game && pass "ends with status 0 on SIGTERM" || fail "exit status not 0"
finish
