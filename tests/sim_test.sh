#!/usr/bin/env bash
# Checks `vantello-sim`: the answers of `eval`, the JSON and the reproducible, balanced
# runs of `par` and `run`, a person at the skill stop and its curve, --help, and the refusals. (A window's pays and meters are pinned
# headless in pay_rules_test.cpp and evaluation_test.cpp; here the tool's own output.)
# Usage: sim_test.sh SIM
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

# The number after "key": in a JSON line (the first one).
field() { grep -o "\"$1\":[-0-9.e+]*" <<<"$2" | head -1 | cut -d: -f2; }

# expect_refused args...: exit code 2, nothing on stdout, one line on stderr.
expect_refused() {
  local out err rc
  err=$("$sim" "$@" 2>&1 >/dev/null); rc=$?
  out=$("$sim" "$@" 2>/dev/null)
  [[ $rc -eq 2 ]] || fail "exit $rc, not 2, for: $*"
  [[ -z "$out" ]] || fail "output on stdout for: $*"
  [[ $(printf '%s\n' "$err" | wc -l) -eq 1 && -n "$err" ]] || fail "not one error line for: $* ($err)"
}

# Three TripleBar on the top row, two coins, the bonus lamp: 200 doubled, the bet of 16 back,
# seven FREE Spins, and line 4 to 7 start with a TripleBar but pay nothing.
expect_json '{"line_wins":[200,0,0,0,0,0,0,0],"spin_win":216,"screen_bonus":0,"win_item":0,"summary":"Return Bet of 16 Credits.\r\nAll Winnings Lines are Doubled.\r\nLine 1 paid 200.\r\n","credits":716,"cherries":6,"bells":3,"bell_pool":100,"cherry_rolls_left":0,"bar_rolls_left":7,"sevens_won":0,"fruit_won":0,"bell_pool_won":0,"got_bonus_count":1}' \
  eval --cells "3 3 3 8 8 8 8 8 8" --coins 2 --bonus-lamp --credits 500

# Three Cherries with the meter at 1 earn three rolls; a Bell line empties the meter at 1
# and wins the pool of 250. Line 8 (a Cherry at the bottom left) pays like the others.
expect_json '{"line_wins":[10,15,2,2,2,2,2,2],"spin_win":287,"screen_bonus":0,"win_item":0,"summary":"Line 1 paid 10.\r\nLine 2 paid 15.\r\nLine 3 paid 2.\r\nLine 4 paid 2.\r\nLine 5 paid 2.\r\nLine 6 paid 2.\r\nLine 7 paid 2.\r\nLine 8 paid 2.\r\nWon the Bell Pool Worth 250\r\n","credits":287,"cherries":6,"bells":3,"bell_pool":100,"cherry_rolls_left":3,"bar_rolls_left":0,"sevens_won":0,"fruit_won":0,"bell_pool_won":250,"got_bonus_count":0}' \
  eval --cells "9 9 9 5 5 5 9 8 8" --cherries 1 --bells 1 --bell-pool 250 --credits 0 --lines 8

# A Cherry Roll line Cherry, Melon, Cherry pays 5 a coin; one roll Seven off the three
# lines played pays 1 x 2 x 2 coins x 3 lines.
expect_json '{"line_wins":[10,0,0,0,0,0,0,0],"spin_win":22,"screen_bonus":7,"win_item":0,"summary":"Line 1 paid 10.\r\n1 Sevens Paid 12.\r\n","credits":1022,"cherries":6,"bells":3,"bell_pool":100,"cherry_rolls_left":0,"bar_rolls_left":0,"sevens_won":0,"fruit_won":0,"bell_pool_won":0,"got_bonus_count":0}' \
  eval --cells "9 11 9 8 8 8 8 8 10" --mode cherry --lines 3 --coins 2

# A Bar Roll with the bonus lamp doubles and returns no bet; the credits stop at the top.
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

# par: one JSON object on one line, the player beating the house at 8 lines x 1 coin.
out=$("$sim" par --json) || fail "par --json failed"
[[ $(wc -l <<<"$out") -eq 1 && $out == \{*\} ]] || fail "par --json is not one object on one line"
for key in rtp hit_frequency bonus_lamp cherry_rolls_per_spin bar_rolls_per_spin volatility \
           rtp_by_source award_probability three_seven bell_pool returned_bet sevens_3; do
  grep -q "\"$key\":" <<<"$out" || fail "par --json lacks $key"
done
grep -q '"player_beats_house":true' <<<"$out" || fail "par --json: the house should be beaten"
[[ $(field bonus_lamp "$out") == 0.08333333333 ]] || fail "par: bonus lamp $(field bonus_lamp "$out")"

perfect=$("$sim" par --skill-stop perfect --json)
[[ $(field bonus_lamp "$perfect") == 1 ]] || fail "par perfect: bonus lamp $(field bonus_lamp "$perfect")"
[[ $(field returned_bet "$perfect") == 100 ]] || fail "par perfect: returned bet $(field returned_bet "$perfect")"

text=$("$sim" par --lines 3 --coins 2)
grep -q "3 lines x 2 coins" <<<"$text" || fail "par text: no bet line"
grep -q "Return to player" <<<"$text" || fail "par text: no return to player"
grep -q "beats the house" <<<"$text" && fail "par text: 3 lines x 2 coins does not beat the house"

# A person at the skill stop: the sheet with its straight line, the perfect stop as the
# limit of no timing error, and the curve between the two limits.
human=$("$sim" par --skill-stop human --jitter-ms 30 --json) || fail "par human failed"
grep -q '"skill_stop":"human","jitter_ms":30,"bias_ms":0,"lamp_return_line":{"base":' <<<"$human" ||
  fail "par human: no timing or straight line in the JSON"
awk -v p="$(field bonus_lamp "$human")" 'BEGIN { exit !(p > 0.3 && p < 0.35) }' ||
  fail "par human at 30 ms: bonus lamp $(field bonus_lamp "$human"), not about 0.32"
sharp=$("$sim" par --skill-stop human --jitter-ms 0.001 --json)
[[ $(field rtp "$sharp") == $(field rtp "$perfect") ]] || fail "par human at 0 ms: rtp is not the perfect stop's"
grep -q "Return = [0-9.]*% + [0-9.]*% x bonus-lamp chance" <<<"$("$sim" par --skill-stop human --jitter-ms 20 --bias-ms -10)" ||
  fail "par human text: no straight line"
svg=$(mktemp --suffix=.svg)
curve=$("$sim" par --skill-stop-curve --lines 3 --coins 2 --json --svg "$svg") || fail "par --skill-stop-curve failed"
[[ $(grep -o '"jitter_ms":' <<<"$curve" | wc -l) -eq 31 ]] || fail "curve: not 31 rows from 0 to 150 ms"
grep -q '"lines":3,"coins":2,' <<<"$curve" || fail "curve: not for the bet asked"
grep -q '"curve":\[{"jitter_ms":0,"bonus_lamp":1,' <<<"$curve" || fail "curve: no error is not the perfect stop"
for words in "<svg" "perfect stop" "no skill stop" "Timing error" "Return to player"; do
  grep -q "$words" "$svg" || fail "curve svg lacks '$words'"
done
rm -f "$svg"

# --help: each subcommand's usage on stdout, exit 0; the whole usage names every option.
for command in "" eval par run; do
  usage=$("$sim" $command --help) || fail "$command --help did not exit 0"
  grep -q "^usage: vantello-sim $command" <<<"$usage" || fail "$command --help printed no usage"
done
for option in --jitter-ms --bias-ms --skill-stop-curve --svg "none|perfect"; do
  grep -q -- "$option" <<<"$("$sim" par --help)" || fail "par --help does not name $option"
done

# run: the same seed and threads give the same figures; the accounting holds.
strip_timing() { sed -E 's/"(seconds|spins_per_second)":[^,]*,//g' <<<"$1"; }
a=$("$sim" run --spins 30000 --seed 42 --threads 2 --json) || fail "run failed"
b=$("$sim" run --spins 30000 --seed 42 --threads 2 --json)
[[ "$(strip_timing "$a")" == "$(strip_timing "$b")" ]] || fail "run --seed 42 did not repeat itself"
c=$("$sim" run --spins 30000 --seed 43 --threads 2 --json)
[[ "$(strip_timing "$a")" != "$(strip_timing "$c")" ]] || fail "another seed gave the same run"
grep -q '"balanced":true' <<<"$a" || fail "run: accounting not balanced"
paid=$(field total_paid "$a"); credits=$(field credits "$a")
borrowed=$(field borrowed "$a"); bets=$(field total_bets "$a")
[[ $paid -eq $((credits - borrowed + bets)) ]] || fail "run: $paid != $credits - $borrowed + $bets"
[[ $bets -eq $((30000 * 8)) ]] || fail "run: total bets $bets"
[[ $(field spins "$a") -eq 30000 ]] || fail "run: spins $(field spins "$a")"
grep -q '"rtp":{"value":[0-9.]*,"low":[0-9.]*,"high":[0-9.]*,"events":[0-9]*}' <<<"$a" ||
  fail "run: rtp is not a value with its interval"
text=$("$sim" run --spins 5000 --seed 1 --threads 1)
for words in "Largest win" "Speed:" "Accounting:" "holds" "99% confidence"; do
  grep -q "$words" <<<"$text" || fail "run text lacks '$words'"
done

expect_refused par --lines 0
expect_refused par --coins 9
expect_refused par --skill-stop sometimes
expect_refused par --skill-stop
expect_refused par --spins 10
expect_refused par extra
expect_refused par --skill-stop human
expect_refused par --skill-stop human --jitter-ms -1
expect_refused par --skill-stop human --jitter-ms thirty
expect_refused par --jitter-ms 30
expect_refused par --skill-stop perfect --bias-ms 5
expect_refused par --svg /tmp/curve.svg
expect_refused par --skill-stop-curve --jitter-ms 30
expect_refused run --spins 10 --skill-stop human
expect_refused run
expect_refused run --spins 0
expect_refused run --spins ten
expect_refused run --spins 10 --threads 0
expect_refused run --spins 10 --seed -1
expect_refused run --spins 10 --lines 9
expect_refused run --spins 10 --json extra

if [[ $failures -gt 0 ]]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all vantello-sim checks passed"
