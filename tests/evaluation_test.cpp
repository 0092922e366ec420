#include "machine/evaluation.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "rules/pay_rules.h"
#include "rules/strips.h"
#include "tests/test_machine.h"

namespace {

using namespace rules;
using machine::LampTimer;
using testing_support::RecordingView;
using testing_support::TestMachine;
using Log = std::vector<std::string>;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// A machine paying at once, without the card game, showing Clover but in `cells`.
struct Evaluated {
  explicit Evaluated(std::initializer_list<std::pair<int, int>> cells) : view(t) {
    std::array<int, 9> codes;
    codes.fill(Clover);
    for (auto [cell, code] : cells) codes[cell] = code;
    t.ShowWindow(codes);
    t.m.g.CountOffWins = false;
    t.m.g.DoubleOrNothingOn = false;
  }
  TestMachine t;
  RecordingView view;
  GameState& g = t.m.g;
};

Log Join(std::initializer_list<Log> parts) {
  Log all;
  for (const Log& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(EvaluateRegularSpin, CherryAndBellSpinRedrawsAndSoundsInOrder) {
  Evaluated e({{0, Cherry}, {1, Cherry}, {6, Bell}, {7, Bell}, {8, Bell}});
  e.g.Bells = 1;
  machine::EvaluateRegularSpin(e.t.m);
  EXPECT_EQ(e.view.Log(), (Log{"Cherries=5", "Cherry5.wav", "Bells=0", "Cherry4.wav",
                               "Bells=1", "Cherry4.wav", "Bells=2", "Cherry4.wav", "Bells=3", "Cherry4.wav",
                               "Repaint", "ShowWinnings", "Cherry9.wav", "ShowWinnings",
                               "Credits=1126", "Cherry6.wav"}));
  // Lines 1, 3, 4, 5, 7 and the pool of 100.
  EXPECT_EQ(e.g.SpinWin, 5 + 15 + 2 + 2 + 2 + 100);
  EXPECT_EQ(std::pair(e.g.BellPool, e.g.BellPoolWon), std::pair(100, 100));
  EXPECT_TRUE(e.t.fake.Running(LampTimer::WinFlash));
}

// The meter shows every step, below zero too, and every step of the refill.
TEST(EvaluateRegularSpin, ThreeCherriesOnAnAlmostEmptyMeterEarnThreeRolls) {
  Evaluated e({{0, Cherry}, {1, Cherry}, {2, Cherry}});
  e.g.Cherries = 1;
  machine::EvaluateRegularSpin(e.t.m);
  Log meter;
  for (const std::string& s : e.view.Log())
    if (s.rfind("Cherr", 0) == 0) meter.push_back(s);
  EXPECT_EQ(meter, Join({{"Cherries=0", "Cherry5.wav", "Cherries=-1", "Cherry5.wav", "Cherries=-2", "Cherry5.wav"},
                         {"Cherries=1", "Cherry5.wav", "Cherries=2", "Cherry5.wav", "Cherries=3", "Cherry5.wav"},
                         {"Cherries=4", "Cherry5.wav", "Cherries=5", "Cherry5.wav", "Cherries=6", "Cherry5.wav"},
                         {"Cherry9.wav", "Cherry6.wav"}}));
  EXPECT_EQ(std::pair(e.g.CherryRollsLeft, e.g.Cherries), std::pair(3, 6));
}

TEST(EvaluateRegularSpin, AllFruitIsHeardBetweenTheLinesAndTheRefill) {
  Evaluated e({});
  e.t.ShowWindow({Cherry, Cherry, Cherry, Cherry, Cherry, Cherry, Cherry, Cherry, Cherry});
  machine::EvaluateRegularSpin(e.t.m);
  EXPECT_EQ(e.t.fake.sounds, Join({Log(24, "Cherry5.wav"), {"Cherry10.wav"}, Log(6, "Cherry5.wav"),
                                   {"Cherry9.wav", "Cherry6.wav"}}));
  // 24 steps from 6 earn 19 rolls; eight lines of 10 and the All Fruit bonus are paid.
  EXPECT_EQ(std::tuple(e.g.CherryRollsLeft, e.g.FruitWon, e.g.ScreenBonusKind, e.g.Credits),
            std::tuple(19, 160, rules::kScreenBonusAllFruit, 1000 + 8 * 10 + 160));
}

TEST(EvaluateRegularSpin, PoolContributionAloneIsShownButNotPaid) {
  Evaluated e({{4, Seven}});
  machine::EvaluateRegularSpin(e.t.m);
  EXPECT_EQ(e.view.Log(), (Log{"BellPool=107"}));
  EXPECT_EQ(e.g.LastSpinSummary, "7 Credits were added to the Bell Pool.\r\n");
  EXPECT_EQ(e.g.Credits, 1000);
  EXPECT_FALSE(e.t.fake.Running(LampTimer::WinFlash));
}

TEST(EvaluateRegularSpin, StatisticsSaturate) {
  Evaluated e({{0, Seven}, {1, Seven}, {2, Seven}});
  e.g.SevensWon = kMax - 1;
  machine::EvaluateRegularSpin(e.t.m);
  EXPECT_EQ(e.g.SevensWon, kMax);
}

TEST(EvaluateRolls, MoveNoMetersAndCountWhatWasDelivered) {
  Evaluated e({{0, Cherry}, {1, Cherry}, {2, Cherry}, {3, Bell}, {4, Bell}, {5, Bell}});
  e.g.Cherries = 1;
  e.g.Bells = 1;
  e.g.DoubleOrNothingOn = true;
  e.g.CountOffWins = true;
  e.t.m.PlayDoubleOrNothing = [&] {
    e.view.Note(e.t.fake.Running(LampTimer::WinFlash) ? "cards, flashing" : "cards");  // a roll's win flashes first
    e.g.SpinWin *= 2;
  };
  machine::EvaluateCherryRoll(e.t.m);
  // Line 1 pays 20, lines 4 to 7 (a Cherry over a Bell) 5 each; the card game doubles.
  EXPECT_EQ(e.g.CherryRollsWon, 2 * 40);
  EXPECT_EQ(e.g.Credits, 1000 + 80);
  EXPECT_EQ(std::tuple(e.g.SpinWin, e.g.Cherries, e.g.Bells), std::tuple(0, 1, 1));
  EXPECT_EQ(e.g.CherryRollsLeft, 0);
  EXPECT_EQ(e.view.Log().at(2), "cards, flashing");

  e.t.m.PlayDoubleOrNothing = [&] { e.g.SpinWin = 0; };
  e.t.ShowWindow({SingleBar, SingleBar, SingleBar, Clover, Clover, Clover, Clover, Clover, Clover});
  machine::EvaluateBarRoll(e.t.m);
  EXPECT_EQ(e.g.BarRollsWon, 0);
  EXPECT_EQ(e.g.Credits, 1080);
  EXPECT_EQ(e.g.LastSpinSummary, "Line 1 paid 40.\r\n");
  EXPECT_EQ(e.g.BarRollsLeft, 0);
}

}  // namespace
