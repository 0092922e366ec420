#!/usr/bin/env bash
# Two copies as an ordinary user, whose file modes count (root's do not). A read-only data
# folder, or a lock file the user may not open, still turns a second copy away through the
# lock in the runtime folder; a copy that can lock nothing says why and does not play. Two
# copies on two read-only folders that close at once each keep a rescue of their own in
# the shared state folder, and a start is offered its own alone.
# Usage (under Xvfb): two_copies_test.sh GAME
GAME=$1
# Only root can play as another user; anyone else skips (ctest's skip status).
[ "$(id -u)" -eq 0 ] || { echo "skipped: needs root to play as an ordinary user"; exit 77; }
. "$(dirname "$0")/lib.sh"
PLAYER=65534  # nobody

# The player's copy of the game and everything it reads, where the player can reach them.
chmod 755 "$WORK"
cp -r "$(dirname "$GAME")" "$WORK/bin"
cp "$XAUTHORITY" "$WORK/xauth"
cp "$(dirname "$0")/../lsan.supp" "$WORK/lsan.supp"
U=$WORK/player
mkdir -p "$U/home" "$U/state" "$U/run" "$U/tmp" "$U/a" "$U/b"
chmod 700 "$U/run"
chown -R "$PLAYER:$PLAYER" "$WORK/xauth" "$U"
export XAUTHORITY=$WORK/xauth HOME=$U/home XDG_STATE_HOME=$U/state XDG_RUNTIME_DIR=$U/run TMPDIR=$U/tmp
export LSAN_OPTIONS="suppressions=$WORK/lsan.supp${LSAN_OPTIONS#*lsan.supp}"

# A data folder: the player's, holding a game, and read-only unless told otherwise.
data_folder() {
  mkdir -p "$U/$1/vantello"
  printf '[CurrentGame]\nDouble=0\nBellPool=0\n' > "$U/$1/vantello/Vantello.ini"
  chown -R "$PLAYER:$PLAYER" "$U/$1"
  chmod "${2:-555}" "$U/$1/vantello"
}

# Starts the game as the player on data folder $1; its process id in PLAYED.
play() {
  XDG_DATA_HOME=$U/$1 setpriv --reuid="$PLAYER" --regid="$PLAYER" --clear-groups "$WORK/bin/vantello" \
    >>"$WORK/$1.log" 2>&1 &
  PLAYED=$!
}

# The windows of one process.
windows_of() { xdotool search --all --pid "$1" --name '.' 2>/dev/null | wc -l; }

# Waits up to 10 s for a window of process $1.
wait_window_of() {
  for _ in $(seq 1 100); do
    [ "$(windows_of "$1")" -gt 0 ] && return 0
    kill -0 "$1" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Presses Return in process $1's window and expects it to end within 3 s with status 1:
# a notice, not a game, which Return would spin and keep.
turned_away() {
  xdotool search --all --pid "$1" --name '.' 2>/dev/null | while read -r w; do
    xdotool windowfocus --sync "$w" key Return 2>/dev/null
  done
  for _ in $(seq 1 30); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then
    kill -KILL "$1"; wait "$1" 2>/dev/null
    return 1
  fi
  wait "$1"
  [ $? -eq 1 ]
}

ends_with_status() {  # pid, status: SIGTERM, gone within 5 s with that status
  kill -TERM "$1"
  for _ in $(seq 1 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then kill -KILL "$1"; wait "$1" 2>/dev/null; return 1; fi
  wait "$1"
  [ $? -eq "$2" ]
}

# -- A read-only data folder with no lock file, then a lock file the player may not open.
for case_ in read-only-folder unopenable-lock; do
  rm -rf "$U/a"
  if [ $case_ = read-only-folder ]; then
    data_folder a
  else
    data_folder a 755
    : > "$U/a/vantello/Vantello.lock"
    chmod 000 "$U/a/vantello/Vantello.lock"
  fi
  play a; first=$PLAYED
  wait_window_of "$first" && sleep 1 && pass "$case_: the first copy plays" || fail "$case_: the first copy did not start"
  play a; second=$PLAYED
  wait_window_of "$second" && sleep 0.5
  turned_away "$second" && pass "$case_: the second copy is turned away" || fail "$case_: the second copy plays too"
  kill -0 "$first" 2>/dev/null && pass "$case_: the first copy plays on" || fail "$case_: the first copy is gone"
  # The read-only folder cannot take the save: the game goes to a rescue, and says so.
  status=0; [ $case_ = read-only-folder ] && status=1
  ends_with_status "$first" $status && pass "$case_: the first copy ends with status $status" \
    || fail "$case_: the first copy did not end with status $status"
done
rm -f "$U"/state/vantello/Vantello-rescue*.ini

# -- No lock anywhere: a read-only folder, no runtime folder, and someone else's folder in
# the private temporary folder's place.
rm -rf "$U/a"; data_folder a
mkdir -p "$U/tmp/vantello-$PLAYER"  # root's
cp "$U/a/vantello/Vantello.ini" "$WORK/ini-before"
unset XDG_RUNTIME_DIR
play a; alone=$PLAYED
wait_window_of "$alone" && sleep 0.5
turned_away "$alone" && pass "with no lock at all the copy does not play" || fail "a copy with no lock plays"
cmp -s "$U/a/vantello/Vantello.ini" "$WORK/ini-before" && pass "and leaves the saved game alone" \
  || fail "the copy with no lock changed the saved game"
export XDG_RUNTIME_DIR=$U/run
rmdir "$U/tmp/vantello-$PLAYER"

# -- Two read-only folders closing at once: two rescues in the shared state folder.
rm -rf "$U/a" "$U/b"; data_folder a; data_folder b
play a; first=$PLAYED
play b; second=$PLAYED
wait_window_of "$first" && wait_window_of "$second" && sleep 1
kill -TERM "$first" "$second"
wait "$first"; s1=$?
wait "$second"; s2=$?
[ $s1 -eq 1 ] && [ $s2 -eq 1 ] && pass "both copies end with status 1 (not saved)" || fail "statuses $s1 and $s2"
rescues=$(ls "$U/state/vantello" | grep -c '^Vantello-rescue.*\.ini$')
owners=$(grep -h '^RescuedFrom=' "$U"/state/vantello/Vantello-rescue*.ini | sort -u | wc -l)
[ "$rescues" -eq 2 ] && [ "$owners" -eq 2 ] && pass "each copy has a rescue of its own" \
  || fail "rescues: $(ls "$U/state/vantello")"

# Folder a's start offers a's rescue alone; No keeps it aside and leaves b's for b.
b_rescue=$(grep -l "^RescuedFrom=$U/b/vantello/Vantello.ini" "$U"/state/vantello/Vantello-rescue*.ini)
play a; again=$PLAYED
wait_window_of "$again" && sleep 0.5
[ "$(windows_named Confirm)" -eq 1 ] && pass "a rescue is offered" || fail "no rescue offer"
key Escape; sleep 0.5
[ "$(windows_named Information)" -eq 1 ] && key Return; sleep 0.5
[ "$(windows_named Confirm)" -eq 0 ] && pass "and only one" || fail "the other folder's rescue is offered too"
grep -q "^RescuedFrom=$U/a/" "$U/state/vantello/Vantello-rescue-declined.ini" 2>/dev/null &&
  [ -f "$b_rescue" ] && pass "the other folder's rescue waits for it" || fail "rescues now: $(ls "$U/state/vantello")"
ends_with_status "$again" 1 || fail "the third start did not end"
finish
