#!/usr/bin/env bash
# The windows over the machine grow with it: on a large screen under a window manager the
# card table, the statistics, a box and the manual open at the machine's scale, centred on
# it, and a click on the grown table turns the card under it. The machine kept at its
# layout's own size on the same screen opens them at their own sizes.
# Usage (under Xvfb, 1920x1080): dialog_scale_test.sh GAME FIXED_TIME_LIBRARY FIND_SEED
GAME=$1; SHIM=$2; FIND=$3
. "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$WORK/config
known_spin "$SHIM" "$FIND"
with_window_manager
mkdir -p "$XDG_DATA_HOME/vantello" "$XDG_CONFIG_HOME/vantello"
ini=$XDG_DATA_HOME/vantello/Vantello.ini
place=$XDG_CONFIG_HOME/vantello/Window.ini
W=$(xdpyinfo | awk '/dimensions:/{split($2, d, "x"); print d[1]}')


# A window opened, and given a moment to settle.
settled() { wait_for "$1" 100 && sleep 0.5; }

# The machine's scale: window pixels per layout pixel.
machine_scale() {
  read -r gx gy gw gh <<<"$(game_frame)"
  awk -v w="$gw" -v h="$gh" 'BEGIN { s = w / 1014; if (h / 768 < s) s = h / 768; printf "%.6f", s }'
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
printf '[Window]\nX=100\nY=100\nWidth=1014\nHeight=768\nFullScreen=0\n' > "$place"
start_game
fit_of "$W"
[ "$(machine_scale)" = 1.000000 ] && pass "the machine kept at its own size" || fail "the machine at scale $(machine_scale)"
command $STATS
if settled "Your Game Statistics"; then
  read -r _ _ w h <<<"$(frame_of "Your Game Statistics")"
  [ "$w x $h" = "632 x 333" ] && pass "statistics at their own size" || fail "statistics at ${w}x${h}, not 632x333"
fi
key Escape
sleep 0.5
command $EXIT
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

command $STATS
settled "Your Game Statistics" && check_window "Your Game Statistics" 632 333
shot stats >/dev/null
key Escape
sleep 0.5

# A box is sized by measuring its text, at the size it shows it: the face grown is a few
# pixels wider or narrower than the 1x one grown, so the box's size at scale 1 is kept
# within 4 layout pixels.
command $EXIT
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
