#!/usr/bin/env bash
# The scaled machine's window under a window manager: F11 fills the screen and gives the
# window back, a resize fits the machine again, and the window comes back at the next
# start where it was, at its size, full screen or not.
# Usage (under Xvfb, 1920x1080): fit_test.sh GAME
GAME=$1
. "$(dirname "$0")/lib.sh"
no_card_game
with_window_manager
place=$HOME/.config/vantello/Window.ini

# The wheel windows of the large layout stand white where the fit puts them.
wheels_fit() {
  local s x y w
  fit_of 1920
  s=$(shot "$1")
  for w in 0 8; do
    read -r x y <<<"$(at $(( 263 + 75 + 124 * (w % 3) + 8 )) $(( 2 + 70 + 173 * (w / 3) + 3 )))"
    [ "$(pixel "$s" "$x" "$y")" = "255,255,255" ] || { fail "$1: wheel $w window not white at $x,$y"; return; }
  done
  pass "$1: the machine fits the window"
}
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
