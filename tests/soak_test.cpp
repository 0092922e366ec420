// A long session on the test double: a hundred thousand paid spins in auto spin, with
// skill stops at random moments, bet changes between and during spins, borrowing when
// the money runs out and the periodic save. After every spin the money must add up and
// every meter stay in its range: the ranges a saved game loads back (saved_game_test.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "machine/bets.h"
#include "machine/game_recording.h"
#include "persistence/saved_game.h"
#include "tests/profile_test_support.h"
#include "tests/test_machine.h"

namespace {

using rules::GameState;

constexpr int kPaidSpins = 100000;
const std::string kToday = "06/15/24";

// Watches the Credits meter: every change of Credits must be shown on it, and each
// change is either a bet taken (down) or a payment (up).
class MoneyWatch : public machine::SilentView {
  machine::Machine& m_;

 public:
  explicit MoneyWatch(machine::Machine& m) : m_(m), shown_(m.g.Credits) {}

  void DrawCreditsMeter() override {
    const GameState& g = m_.g;
    int64_t change = int64_t{g.Credits} - shown_;
    shown_ = g.Credits;
    if (change > 0) paid += change;
    if (change < 0) {
      ++bets_taken;
      bet_total -= change;
      // Only a paid spin takes money, and it takes exactly the bet on the meters.
      if (m_.CycleDepth != 1 || g.CherryRollMode || g.BarRollMode ||
          -change != int64_t{g.LinesPlayed} * g.CoinsPerLine)
        Problem("a debit of " + std::to_string(-change) + " is not the bet of a paid spin");
    }
  }
  void RepaintAll() override { shown_ = m_.g.Credits; }

  void Problem(const std::string& what) {
    if (problem.empty()) problem = "after " + std::to_string(bets_taken) + " paid spins: " + what;
  }

  int64_t paid = 0, bet_total = 0, shown_;  // every credit a spin added and took
  int bets_taken = 0;
  std::string problem;
};

TEST(Soak, HundredThousandSpinsKeepTheMoneyAndMetersRight) {
  testing_support::TestMachine t;
  machine::Machine& m = t.m;
  GameState& g = m.g;
  // The drawing is not under test here: a one-pixel window and no artwork keep it cheap.
  t.canvas.Resize(1, 1);
  t.picture.art = view::Artwork();
  t.fake.pump_step_ms = 25;
  g.Sound = g.DoubleOrNothingOn = g.CountOffWins = false;  // silent, no card game, Instant Payoff

  testing_support::TempFolder folder;
  testing_support::TestFileOps ops;
  ops.flush = false;  // thousands of saves
  platform::ProfileFile file(folder.File("Vantello.ini"), &ops);
  int saves = 0;
  m.SaveCurrentGame = [&] {
    ++saves;
    return persistence::SaveGameSection(m.g, file, persistence::kCurrentGameSlot, "CurrentGame",
                                        &t.fake, kToday);
  };

  MoneyWatch watch(m);
  m.view = &watch;
  // The machine's meters explain the credits after every game.
  m.LifeMeters.opening_credits = g.Credits;
  int64_t games_recorded = 0;
  m.GameRecorded = [&](const rules::GameRecord& game) {
    ++games_recorded;
    if (rules::CreditsByMeters(m.LifeMeters) != g.Credits)
      watch.Problem("the meters leave " + std::to_string(rules::CreditsByMeters(m.LifeMeters)) + " credits, not " +
                    std::to_string(g.Credits));
    if (game.credits_after != game.credits_before - game.bet + game.win) watch.Problem("a game's record does not add up");
  };
  const int32_t opening_balance = g.Credits - g.Borrowed;

  std::mt19937 rng(20240615);
  auto chance = [&](int one_in) { return std::uniform_int_distribution<int>(1, one_in)(rng) == 1; };
  int checked_spins = 0, stop_presses = 0, refused_changes = 0, borrows = 0;

  auto check_after_spin = [&] {
    if (checked_spins == watch.bets_taken) return;
    checked_spins = watch.bets_taken;
    if (watch.shown_ != g.Credits) watch.Problem("Credits changed without the meter showing it");
    if (g.Credits < 0) watch.Problem("Credits went negative");
    if (watch.paid != int64_t{g.Credits} - g.Borrowed + g.TotalBets - opening_balance)
      watch.Problem("paid " + std::to_string(watch.paid) + " but Credits - Borrowed + TotalBets is " +
                    std::to_string(int64_t{g.Credits} - g.Borrowed + g.TotalBets));
    if (watch.bet_total != g.TotalBets) watch.Problem("TotalBets differs from the bets taken");
    if (g.Cherries < 1 || g.Cherries > 6 || g.Bells < 1 || g.Bells > 3 || g.BellPool < 0)
      watch.Problem("a bonus meter left its range");
    if (g.LinesPlayed < 0 || g.LinesPlayed > 8 || g.CoinsPerLine < 0 || g.CoinsPerLine > 8)
      watch.Problem("the bet left its range");
    if (g.CherryRollsLeft != 0 || g.BarRollsLeft != 0 || g.CherryRollMode || g.BarRollMode ||
        g.SpinInProgress)
      watch.Problem("a roll or spin outlived its spin cycle");
  };

  // One of the four bet keys; a refused press must leave the bet alone, an accepted
  // raise must stay within the credits.
  auto press_bet_key = [&] {
    const int32_t lines = g.LinesPlayed, coins = g.CoinsPerLine;
    const int key = std::uniform_int_distribution<int>(0, 3)(rng);
    const std::array<void (*)(machine::Machine&), 4> keys{machine::LinesUp, machine::LinesDown, machine::CoinsUp, machine::CoinsDown};
    keys[key](m);
    const bool changed = lines != g.LinesPlayed || coins != g.CoinsPerLine;
    if (!changed) ++refused_changes;
    if (changed && g.SpinInProgress) watch.Problem("the bet changed while the wheels turned");
    if (changed && (key == 0 || key == 2) && g.LinesPlayed * g.CoinsPerLine > g.Credits)
      watch.Problem("a raise made the bet larger than the credits");
  };

  t.fake.on_pump = [&] {
    t.fake.time_of_day_ = static_cast<uint32_t>(rng());  // every spin its own seed
    if (g.SpinInProgress) {
      if (chance(60)) {
        g.StopRequested = true;
        ++stop_presses;
      }
      if (chance(400)) press_bet_key();
      return;
    }
    if (m.CycleDepth > 0) return;  // paying out or between rolls
    check_after_spin();
    if (!watch.problem.empty()) {
      g.AutoSpin = false;
      return;
    }
    if (chance(5)) press_bet_key();
    if (chance(60)) g.AutoSpin = false;
  };

  while (watch.bets_taken < kPaidSpins && watch.problem.empty()) {
    if (g.Credits < std::max(1, g.LinesPlayed * g.CoinsPerLine)) {  // out of money: the borrow dialog's loan
      const int64_t before = g.Credits;
      g.Credits += 1000;
      g.Borrowed += 1000;
      machine::RecordBetween(m, rules::BetweenKind::Borrow, before);
      watch.DrawCreditsMeter();
      watch.paid -= 1000;  // a loan is no payment
      ++borrows;
    }
    if (g.LinesPlayed * g.CoinsPerLine == 0) {  // an empty bet: start again from one line at one coin
      while (g.CoinsPerLine > 1) machine::CoinsDown(m);
      while (g.LinesPlayed > 1) machine::LinesDown(m);
      if (g.LinesPlayed == 0) machine::LinesUp(m);
      if (g.CoinsPerLine == 0) machine::CoinsUp(m);
    }
    g.AutoSpin = true;
    machine::RequestSpin(m);
    check_after_spin();
    t.fake.boxes.clear();
  }
  ASSERT_EQ(watch.problem, "");
  EXPECT_GE(watch.bets_taken, kPaidSpins);
  EXPECT_EQ(g.Spins, watch.bets_taken);
  EXPECT_EQ(games_recorded, watch.bets_taken);
  EXPECT_EQ(m.LifeMeters.turnover, g.TotalBets);
  EXPECT_EQ(m.LifeMeters.borrowed, int64_t{borrows} * 1000);

  // The session went through everything it claims to.
  EXPECT_TRUE(stop_presses > 1000 && refused_changes > 100 && borrows > 0 && saves > 1000)
      << stop_presses << " stops, " << refused_changes << " refusals, " << borrows << " loans, " << saves << " saves";
  EXPECT_TRUE(g.NumberOfCherryRolls > 0 && g.NumberOfBarRolls > 0 && g.BellPoolWon > 0);
  EXPECT_EQ(g.DoubleOrNothingWon, 0);
}

}  // namespace
