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

# The X server of xvfb-run may still be settling on a busy machine: wait until it answers.
for _ in $(seq 1 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# A saved game with the card table switched off, so a win never stops a test.
no_card_game() {
  mkdir -p "$XDG_DATA_HOME/vantello"
  printf '[CurrentGame]\nDouble=0\nBellPool=0\n' > "$XDG_DATA_HOME/vantello/Vantello.ini"
}

start_game() {
  local attempt
  for attempt in 1 2 3; do
    echo "== start $(date +%T.%N)" >>"$WORK/game.log"
    "$GAME" >>"$WORK/game.log" 2>&1 &
    GAME_PID=$!
    for _ in $(seq 1 100); do
      xdotool search --name '^Vantello$' >/dev/null 2>&1 && break
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

windows_named() { xdotool search --name "^$1\$" 2>/dev/null | wc -l; }

finish() {
  stop_game >/dev/null 2>&1
  if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; screenshots and log in $WORK"
    exit 1
  fi
  rm -rf "$WORK"
  exit 0
}
