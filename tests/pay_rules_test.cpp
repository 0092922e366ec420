#include "rules/pay_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "rules/strips.h"

namespace {

// The summary as the simulator prints it; the player's Summary box, with no catalogue to
// translate it, shows the very same text.
std::string Summary(const rules::SpinOutcome& out) {
  EXPECT_EQ(rules::ShownSummaryText(out), rules::SummaryText(out));
  return rules::SummaryText(out);
}

using namespace rules;
using E = EventKind;
using EventList = std::vector<std::pair<E, int32_t>>;
using Lines = std::array<int32_t, 8>;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// A window of Clover, which pays nothing anywhere, with the given cells set.
SpinInput Window(std::initializer_list<std::pair<int, int>> cells, int32_t coins = 1, bool lamp = false) {
  SpinInput in;
  in.BonusLamp = lamp;
  in.Cells.fill(Clover);
  for (auto [cell, code] : cells) in.Cells[cell] = static_cast<uint8_t>(code);
  in.CoinsPerLine = coins;
  return in;
}

SpinInput Filled(int code, bool lamp = false) {
  SpinInput in;
  in.Cells.fill(static_cast<uint8_t>(code));
  in.BonusLamp = lamp;
  return in;
}

SpinOutcome Regular(const SpinInput& in) { return rules::EvaluateWindow(SpinKind::Regular, in); }

EventList Events(const SpinOutcome& out) {
  EventList v;
  v.reserve(static_cast<size_t>(out.EventCount));
  for (int i = 0; i < out.EventCount; ++i) v.emplace_back(out.Events[i].Kind, out.Events[i].Value);
  return v;
}

// Each line pay of the three tables is held against the manual in paychart_rules_test.cpp,
// single windows through the simulator's `eval` in sim_test.sh, and the cherry steps,
// All Fruit and the rolls leaving the meters alone in evaluation_test.cpp.

TEST(RegularSpin, CherriesPayByTheOrderOfTheLineAndLineEightAddsUp) {
  // Cell 2 starts line 6 but ends line 8.
  SpinOutcome right = Regular(Window({{2, Cherry}}, 3));
  EXPECT_EQ(right.LineWins, (Lines{0, 0, 0, 0, 0, 6, 0, 0}));
  EXPECT_EQ(right.FirstWinItem, 5);
  // Cell 6 starts lines 3 and 8.
  SpinOutcome left = Regular(Window({{6, Cherry}}, 3));
  EXPECT_EQ(left.LineWins, (Lines{0, 0, 6, 0, 0, 0, 0, 6}));
  EXPECT_EQ(left.SpinWin, 12);
  EXPECT_EQ(Summary(left), "Line 3 paid 6.\r\nLine 8 paid 6.\r\n");
  // Orange across the rising diagonal and a Cherry leading three lines.
  SpinOutcome mixed = Regular(Window({{0, Cherry}, {2, Orange}, {4, Orange}, {6, Orange}}));
  EXPECT_EQ(mixed.LineWins, (Lines{2, 0, 0, 2, 0, 0, 2, 20}));
  EXPECT_EQ(mixed.SpinWin, 26);
}

TEST(RegularSpin, BellPoolIsWonOnceHoweverFarTheMeterFalls) {
  SpinInput in = Filled(Bell);  // eight Bell lines
  in.BellPool = 137;
  SpinOutcome out = Regular(in);
  EXPECT_EQ(std::tuple(out.BellPoolWon, out.SpinWin, out.Bells, out.BellPool),
            std::tuple(137, 8 * 15 + 137, 3, 100));
  auto events = Events(out);
  EXPECT_EQ(EventList(events.begin() + 8, events.end()), (EventList{
                      {E::BellRefill, 1}, {E::BellRefill, 2}, {E::BellRefill, 3}, {E::BellPoolReset, 100}}));
  EXPECT_EQ(out.Events[7].Value, -5);

  in.BonusLamp = true;
  EXPECT_EQ(Regular(in).BellPoolWon, 274);
}

TEST(RegularSpin, ScreenBonusesAndPoolGrowthNeedAllEightLines) {
  SpinInput centre = Window({{4, Seven}});  // feeds the pool 7
  EXPECT_EQ(Regular(Window({{0, Seven}})).BellPool, 100);
  EXPECT_EQ(Regular(Window({{0, Seven}, {8, Seven}})).BellPool, 110);
  centre.BonusLamp = true;  // the contribution is never doubled
  EXPECT_EQ(Regular(centre).BellPool, 107);

  EXPECT_EQ(Regular(centre).SkillStopWins, 1);
  centre.LinesPlayed = 7;
  EXPECT_EQ(Regular(centre).SkillStopWins, 0);
  centre.BonusLamp = false;
  SpinOutcome seven_lines = Regular(centre);
  EXPECT_EQ(seven_lines.BellPool, 100);
  EXPECT_EQ(Summary(seven_lines), "There were no winning lines on the last spin.");

  SpinInput sevens = Filled(Seven);
  sevens.LinesPlayed = 7;
  SpinOutcome no_bonus = Regular(sevens);
  EXPECT_EQ(std::tuple(no_bonus.SpinWin, no_bonus.ScreenBonusKind, no_bonus.SevensWon), std::tuple(2100, 0, 0));
}

// The pay per coin for each count is the manual's (paychart_rules_test.cpp); here it is
// paid per coin and line played, and three Sevens or more feed no pool.
TEST(RegularSpin, SevensBonusGrowsWithTheSevensInTheWindow) {
  for (int n = 3; n <= 9; ++n) {
    SpinInput in = Window({}, 2);
    for (int w = 0; w < n; ++w) in.Cells[w] = Seven;
    SpinOutcome out = Regular(in);
    EXPECT_EQ(std::tuple(out.SevensWon, out.ScreenBonusKind, out.BellPool), std::tuple(SevensMultiplier(n) * 2 * 8, n, 100)) << n;
  }
}

TEST(RegularSpin, BonusLampDoublesTheScreenBonusAndReturnsTheBetWithoutAWin) {
  SpinOutcome all_fruit = Regular(Filled(Melon, true));
  EXPECT_EQ(all_fruit.FruitWon, 320);
  EXPECT_EQ(all_fruit.SpinWin, 320 + 8);
  EXPECT_EQ(all_fruit.FirstWinItem, rules::kResultItemScreen);

  SpinOutcome bet_back = Regular(Window({}, 2, true));
  EXPECT_EQ(std::pair(bet_back.SpinWin, bet_back.FirstWinItem), std::pair(16, -1));
}

TEST(RegularSpin, SummaryIsCutAt255Characters) {
  // Every line wins, three Sevens pay the screen bonus and a Bell line wins the pool.
  SpinInput in = Window({{0, Cherry}, {1, Seven}, {2, Bell}, {3, Cherry}, {4, Seven}, {5, Bell},
                         {6, Cherry}, {7, Seven}, {8, Bell}}, 8, true);
  in.Bells = 1;
  const std::string full =
      "Return Bet of 64 Credits.\r\nAll Winnings Lines are Doubled.\r\n"
      "Line 1 paid 32.\r\nLine 2 paid 32.\r\nLine 3 paid 32.\r\nLine 4 paid 160.\r\n"
      "Line 5 paid 4800.\r\nLine 6 paid 240.\r\nLine 7 paid 32.\r\nLine 8 paid 32.\r\n"
      "Screen Bonus for 3 Sevens paid 256.\r\nWon the Bell Pool Worth 200\r\n";
  ASSERT_GT(full.size(), 255u);
  EXPECT_EQ(Summary(Regular(in)), full.substr(0, 255));
}

TEST(RegularSpin, SumsSaturateInsteadOfWrapping) {
  SpinInput in = Window({{0, Bell}, {1, Bell}, {2, Bell}}, 8, true);
  in.Bells = 1;
  in.BellPool = 2'000'000'000;
  SpinOutcome out = Regular(in);
  EXPECT_EQ(out.BellPoolWon, kMax);
  EXPECT_EQ(out.SpinWin, kMax);

  SpinInput full_pool = Window({{4, Seven}});
  full_pool.BellPool = kMax - 3;
  EXPECT_EQ(Regular(full_pool).BellPool, kMax);
}

TEST(Rolls, RollSevensPayOnEveryLineBetWhereverTheyStand) {
  SpinInput in = Window({{8, RollSeven}}, 2);
  in.LinesPlayed = 3;
  SpinOutcome out = rules::EvaluateWindow(SpinKind::CherryRoll, in);
  EXPECT_EQ(std::tuple(out.SpinWin, out.ScreenBonusKind, out.FirstWinItem),
            std::tuple(12, rules::kScreenBonusRollSevens, rules::kResultItemScreen));
  EXPECT_EQ(Summary(out), "1 Sevens Paid 12.\r\n");

  SpinInput two = Window({{1, RollSeven}, {6, RollSeven}});
  EXPECT_EQ(rules::EvaluateWindow(SpinKind::BarRoll, two).SpinWin, 32);

  // The lamp doubles a roll's pays but gives no bet back.
  SpinOutcome doubled =
      rules::EvaluateWindow(SpinKind::BarRoll, Window({{0, SingleBar}, {1, TripleBar}, {2, DoubleBar}, {4, RollSeven}}, 1, true));
  EXPECT_EQ(doubled.SpinWin, 10 + 32);
  EXPECT_EQ(doubled.ReturnedBet, 0);

  // Three Triple BARs on a roll earn no more FREE Spins.
  EXPECT_EQ(rules::EvaluateWindow(SpinKind::BarRoll, Window({{0, TripleBar}, {1, TripleBar}, {2, TripleBar}})).BarRollsEarned, 0);
}

}  // namespace
