# Helpers for driving the real game under Xvfb: start it with a throw-away home,
# press keys, click, and read pixels back from screenshots.
set -u
GAME=${GAME:-}
WORK=$(mktemp -d /tmp/vantello-gui.XXXXXX)
export HOME=$WORK/home XDG_DATA_HOME=$WORK/data SDL_AUDIODRIVER=dummy
# In the sanitizer build: the desktop libraries' own leaks are not the game's.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
mkdir -p "$HOME" "$XDG_DATA_HOME"
GAME_PID=
failures=0
# The machine's window: its title adds the session's time and net result once a game is played.
GAME_TITLE='Vantello( .+ [0-9]+:[0-9]{2}, [-+][0-9]+)?'


# The X server of xvfb-run may still be settling on a busy machine: wait until it answers.
for _ in $(seq 1 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# A saved game with the card table switched off, so a win never stops a test: a game of
# its own, with no recall of the games before it.
no_card_game() {
  mkdir -p "$XDG_DATA_HOME/vantello"
  rm -f "$XDG_DATA_HOME/vantello/Vantello-recall.ini"
  printf '[CurrentGame]\nDouble=0\nBellPool=0\n' > "$XDG_DATA_HOME/vantello/Vantello.ini"
}

start_game() {
  local attempt
  for attempt in 1 2 3; do
    echo "== start $(date +%T.%N)" >>"$WORK/game.log"
    "$GAME" >>"$WORK/game.log" 2>&1 &
    GAME_PID=$!
    for _ in $(seq 1 100); do
      # The machine, or a box it asks first (a rescue offer, unreadable saved games).
      xdotool search --name "^($GAME_TITLE|Information|Confirm)\$" >/dev/null 2>&1 && break
      kill -0 "$GAME_PID" 2>/dev/null || break
      sleep 0.1
    done
    # Now and then a busy X server turns a new client away; that is not the game's doing.
    if ! kill -0 "$GAME_PID" 2>/dev/null && tail -n 1 "$WORK/game.log" | grep -q "Can't open display"; then
      wait "$GAME_PID" 2>/dev/null
      sleep 1
      continue
    fi
    break
  done
  sleep 0.8
}

stop_game() {
  [ -n "$GAME_PID" ] || return 0
  kill -TERM "$GAME_PID" 2>/dev/null
  wait "$GAME_PID"
  local status=$?
  GAME_PID=
  return $status
}

# SIGTERM; the game must be gone within 5 seconds. Its exit status, or 124 if it was not.
term_within_5s() {
  kill -TERM "$GAME_PID"
  for _ in $(seq 1 50); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$GAME_PID" 2>/dev/null; then
    kill -KILL "$GAME_PID"; wait "$GAME_PID" 2>/dev/null; GAME_PID=
    return 124
  fi
  wait "$GAME_PID"; local status=$?; GAME_PID=
  return $status
}

key() { xdotool key --clearmodifiers "$@"; }
click() { xdotool mousemove "$1" "$2" click 1; }

shot() { import -window root "$WORK/$1.png"; echo "$WORK/$1.png"; }

# "r,g,b" of the pixel at x, y of a screenshot.
pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:
}

# Mean brightness 0..255 of a block.
mean() {
  convert "$1" -crop "$4x$5+$2+$3" -colorspace gray -format '%[fx:int(255*mean+.5)]' info:
}

# Whether two screenshots differ inside a block.
differs() {
  local a b
  a=$(convert "$1" -crop "$4x$5+$2+$3" +repage -format '%#' info:)
  b=$(convert "$6" -crop "$4x$5+$2+$3" +repage -format '%#' info:)
  [ "$a" != "$b" ]
}

# Every spin seeded alike with a time whose spin pays a line without rolls or the
# bonus lamp, so a spin's length is known: about four seconds with instant payoff.
known_spin() {
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
  export LD_PRELOAD=$1 VANTELLO_TIME_OF_DAY_MS=$("$2" line)
}
wait_spin_over() { sleep 7; }

# A window manager, as on a player's desktop: it decorates, places and focuses windows.
with_window_manager() {
  openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  WM_PID=$!
  for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
}

# The drawing area of the one window of that name on the screen, as "x y w h", or nothing.
frame_of() {
  local id
  id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1)
  [ -n "$id" ] || return 0
  # xwininfo, since xdotool counts a window manager's frame twice in the position.
  xwininfo -id "$id" | awk -F: '/Absolute upper-left X|Absolute upper-left Y|^ +Width|^ +Height/{gsub(/ /, "", $2); printf "%s ", $2}'
}
game_frame() { frame_of "$GAME_TITLE"; }

# Waits up to TENTHS tenths of a second (30 unless given) for a window of that name.
wait_for() {
  for _ in $(seq 1 "${2:-30}"); do
    [ "$(windows_named "$1")" -gt 0 ] && return 0
    sleep 0.1
  done
  return 1
}

# The layout's places for a screen WIDTH (the X screen's unless given), in the layout's
# pixels, as the game's own layout code puts them: vantello_layout_facts (named by
# LAYOUT_FACTS) reads the artwork beside GAME and prints ORIGIN_X, BACKGROUND_W, WHEEL_0..8,
# SPIN, CREDITS_METER, DIGIT_H, COMMAND_0.., the commands' numbers (HELP, STATS, ...) and
# more; tools/layout_facts.cpp has them all.
layout_facts() {
  local width=${1:-$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')}
  "$LAYOUT_FACTS" "$(dirname "$GAME")" "$width" >"$WORK/layout-$width.env" ||
    { echo "FAIL: no layout facts for a screen $width wide"; exit 1; }
  . "$WORK/layout-$width.env"
}

# From LARGE_SCREEN_WIDTH the window shows the large layout as large as fits, centred;
# narrower, the layout is the window. fit_of
# reads the window; at X Y then gives the screen pixel that shows layout pixel X, Y.
fit_of() {
  local gx gy gw gh
  read -r gx gy gw gh <<<"$(game_frame)"
  FIT=$(awk -v gx="$gx" -v gy="$gy" -v w="$gw" -v h="$gh" -v screen="$1" -v large="$LARGE_SCREEN_WIDTH" \
            -v lw="$LARGE_LAYOUT_W" -v lh="$LARGE_LAYOUT_H" 'BEGIN {
    if (screen < large) { printf "%d %d 1 1", gx, gy; exit }
    s = w / lw; if (h / lh < s) s = h / lh
    sw = int(lw * s + 0.5); if (sw > w) sw = w
    sh = int(lh * s + 0.5); if (sh > h) sh = h
    l = int((w - sw) / 2); t = int((h - sh) / 2)
    printf "%d %d %.6f %.6f", gx + l, gy + t, sw / lw, sh / lh }')
}
at() {
  awk -v x="$1" -v y="$2" -v f="$FIT" 'BEGIN { split(f, a, " ")
    printf "%d %d", a[1] + int((x + 0.5) * a[3]), a[2] + int((y + 0.5) * a[4]) }'
}
# A block of the layout as the screen shows it: "x y w h".
block() {
  awk -v x="$1" -v y="$2" -v w="$3" -v h="$4" -v f="$FIT" 'BEGIN { split(f, a, " ")
    printf "%d %d %d %d", a[1] + int(x * a[3]), a[2] + int(y * a[4]), int(w * a[3]), int(h * a[4]) }'
}

# A click in the middle of command i's button (HELP, STATS, ... from layout_facts), placed
# through the fit (at a 1024x768 screen without a window manager the layout is the window).
FIT="0 0 1 1"
command_click() {
  local button=COMMAND_$1 x y w h
  read -r x y w h <<<"${!button}"
  click $(at $(( x + w / 2 )) $(( y + h / 2 )))
}

windows_named() { xdotool search --name "^$1\$" 2>/dev/null | wc -l; }

finish() {
  stop_game >/dev/null 2>&1
  [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null
  if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; screenshots and log in $WORK"
    exit 1
  fi
  rm -rf "$WORK"
  exit 0
}
