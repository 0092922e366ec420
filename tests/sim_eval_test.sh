#!/usr/bin/env bash
# Checks the answers of `vantello-sim eval` and its refusals. Usage: sim_eval_test.sh SIM
set -u
sim=$1
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect_json "expected line" args...
expect_json() {
  local expected=$1; shift
  local out rc
  out=$("$sim" "$@" 2>&1); rc=$?
  [[ $rc -eq 0 ]] || fail "exit $rc for: $*"
  [[ "$out" == "$expected" ]] || fail "for: $*
  expected: $expected
  got:      $out"
}

# expect_refused args...: exit code 2, nothing on stdout, one line on stderr.
expect_refused() {
  local out err rc
  err=$("$sim" "$@" 2>&1 >/dev/null); rc=$?
  out=$("$sim" "$@" 2>/dev/null)
  [[ $rc -eq 2 ]] || fail "exit $rc, not 2, for: $*"
  [[ -z "$out" ]] || fail "output on stdout for: $*"
  [[ $(printf '%s\n' "$err" | wc -l) -eq 1 && -n "$err" ]] || fail "not one error line for: $* ($err)"
}

# One Seven in the centre with every line played feeds the Bell Pool and pays nothing.
expect_json '{"line_wins":[0,0,0,0,0,0,0,0],"spin_win":0,"screen_bonus":0,"win_item":-1,"summary":"7 Credits were added to the Bell Pool.\r\n","credits":1000,"cherries":6,"bells":3,"bell_pool":107,"cherry_rolls_left":0,"bar_rolls_left":0,"sevens_won":0,"fruit_won":0,"bell_pool_won":0,"got_bonus_count":0}' \
  eval --cells "8 8 8 8 0 8 8 8 8"

# Three Bar3 on the top row, two coins, the bonus lamp: 200 doubled, the bet of 16 back,
# seven FREE Spins, and line 4 to 7 start with a Bar3 but pay nothing.
expect_json '{"line_wins":[200,0,0,0,0,0,0,0],"spin_win":216,"screen_bonus":0,"win_item":0,"summary":"Return Bet of 16 Credits.\r\nAll Winnings Lines are Doubled.\r\nLine 1 paid 200.\r\n","credits":716,"cherries":6,"bells":3,"bell_pool":100,"cherry_rolls_left":0,"bar_rolls_left":7,"sevens_won":0,"fruit_won":0,"bell_pool_won":0,"got_bonus_count":1}' \
  eval --cells "3 3 3 8 8 8 8 8 8" --coins 2 --bonus-lamp --credits 500

# Three Cherries with the meter at 1 earn three rolls; a Bell line empties the meter at 1
# and wins the pool of 250. Line 8 (a Cherry at the bottom left) pays like the others.
expect_json '{"line_wins":[10,15,2,2,2,2,2,2],"spin_win":287,"screen_bonus":0,"win_item":0,"summary":"Line 1 paid 10.\r\nLine 2 paid 15.\r\nLine 3 paid 2.\r\nLine 4 paid 2.\r\nLine 5 paid 2.\r\nLine 6 paid 2.\r\nLine 7 paid 2.\r\nLine 8 paid 2.\r\nWon the Bell Pool Worth 250\r\n","credits":287,"cherries":6,"bells":3,"bell_pool":100,"cherry_rolls_left":3,"bar_rolls_left":0,"sevens_won":0,"fruit_won":0,"bell_pool_won":250,"got_bonus_count":0}' \
  eval --cells "9 9 9 5 5 5 9 8 8" --cherries 1 --bells 1 --bell-pool 250 --credits 0 --lines 8

# A Cherry Roll line Cherry, Fruit11, Cherry pays 5 a coin; one roll Seven off the three
# lines played pays 1 x 2 x 2 coins x 3 lines.
expect_json '{"line_wins":[10,0,0,0,0,0,0,0],"spin_win":22,"screen_bonus":7,"win_item":0,"summary":"Line 1 paid 10.\r\n1 Sevens Paid 12.\r\n","credits":1022,"cherries":6,"bells":3,"bell_pool":100,"cherry_rolls_left":0,"bar_rolls_left":0,"sevens_won":0,"fruit_won":0,"bell_pool_won":0,"got_bonus_count":0}' \
  eval --cells "9 11 9 8 8 8 8 8 10" --mode cherry --lines 3 --coins 2

# A Bar Roll with the bonus lamp doubles and returns no bet.
expect_json '{"line_wins":[0,0,0,0,0,0,0,0],"spin_win":0,"screen_bonus":0,"win_item":-1,"summary":"There were no winning lines on the last spin.","credits":1000,"cherries":6,"bells":3,"bell_pool":100,"cherry_rolls_left":0,"bar_rolls_left":0,"sevens_won":0,"fruit_won":0,"bell_pool_won":0,"got_bonus_count":0}' \
  eval --cells "9 9 9 8 8 8 8 8 8" --mode bar
expect_json '{"line_wins":[20,0,0,0,0,0,0,0],"spin_win":20,"screen_bonus":0,"win_item":0,"summary":"All Winnings Lines are Doubled..\r\nLine 1 paid 20.\r\n","credits":2147483647,"cherries":6,"bells":3,"bell_pool":100,"cherry_rolls_left":0,"bar_rolls_left":0,"sevens_won":0,"fruit_won":0,"bell_pool_won":0,"got_bonus_count":0}' \
  eval --mode bar --bonus-lamp --cells "3 3 3 8 8 8 8 8 8" --credits 2147483640

expect_refused
expect_refused parlay
expect_refused eval
expect_refused eval --cells "8 8 8 8 8 8 8 8"
expect_refused eval --cells "8 8 8 8 8 8 8 8 8 8"
expect_refused eval --cells "8 8 8 8 8 8 8 8 12"
expect_refused eval --cells "8 8 8 8 8 8 8 8 -1"
expect_refused eval --cells "8 8 8 8 8 8 8 8 x"
expect_refused eval --cells "8 8 8 8 8 8 8 8 8" --mode free
expect_refused eval --cells "8 8 8 8 8 8 8 8 8" --lines 9
expect_refused eval --cells "8 8 8 8 8 8 8 8 8" --coins -1
expect_refused eval --cells "8 8 8 8 8 8 8 8 8" --coins
expect_refused eval --cells "8 8 8 8 8 8 8 8 8" --cherries 0
expect_refused eval --cells "8 8 8 8 8 8 8 8 8" --bells 4
expect_refused eval --cells "8 8 8 8 8 8 8 8 8" --credits 2147483648
expect_refused eval --cells "8 8 8 8 8 8 8 8 8" --bell-pool 1e3
expect_refused eval --cells "8 8 8 8 8 8 8 8 8" --speed 3
expect_refused eval --cells "8 8 8 8 8 8 8 8 8" extra

if [[ $failures -gt 0 ]]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all vantello-sim eval checks passed"
