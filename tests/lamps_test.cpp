#include <gtest/gtest.h>

#include <tuple>

#include "machine/lamps.h"
#include "rules/strips.h"
#include "tests/test_machine.h"

namespace {

using testing_support::TestMachine;

bool AllAgree(const std::array<bool, 6>& l) { return std::all_of(l.begin(), l.end(), [&](bool b) { return b == l[0]; }); }

TEST(Lamps, CelebrationPatternsTakeTurnsEverySevenTicks) {
  TestMachine t;
  t.m.animation.ChaserLamps = {true, false, true, true, false, false};
  machine::StartTimer(t.m, machine::LampTimer::CelebrateAll);
  for (int tick = 1; tick <= 7; ++tick) {
    t.fake.Fire(machine::LampTimer::CelebrateAll);
    EXPECT_TRUE(AllAgree(t.m.animation.ChaserLamps)) << tick;
    EXPECT_EQ(t.fake.Running(machine::LampTimer::CelebrateAll), tick < 7);
  }
  EXPECT_TRUE(t.fake.Running(machine::LampTimer::CelebrateAlternate));
  for (int tick = 1; tick <= 7; ++tick) {
    t.fake.Fire(machine::LampTimer::CelebrateAlternate);
    const auto& l = t.m.animation.ChaserLamps;
    EXPECT_TRUE(l[0] == l[2] && l[2] == l[4] && l[1] == l[3] && l[3] == l[5] && l[0] != l[1]) << tick;
  }
  EXPECT_TRUE(t.fake.Running(machine::LampTimer::CelebrateAll));
  EXPECT_FALSE(t.fake.Running(machine::LampTimer::CelebrateAlternate));
}

TEST(Lamps, WinFlashWalksTheWinningItemsSixTicksEach) {
  TestMachine t;
  rules::GameState& g = t.m.g;
  g.LineWins[0] = 2;
  g.LineWins[5] = 4;
  g.ScreenBonusKind = 10;  // All Fruit, shown as item 9
  g.SpinWin = 166;
  t.m.animation.FlashedItem = 0;
  machine::StartTimer(t.m, machine::LampTimer::WinFlash);
  std::vector<int> shown;
  for (int tick = 0; tick < 24; ++tick) {
    t.fake.Fire(machine::LampTimer::WinFlash);
    shown.push_back(t.m.animation.FlashedItem);
  }
  EXPECT_EQ(shown, (std::vector<int>{0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 9, 9, 9, 9, 9, 9, 0, 0, 0, 0, 0, 0}));
}

TEST(Lamps, ASingleWinKeepsBlinkingAndNoWinStopsTheFlash) {
  TestMachine t;
  rules::GameState& g = t.m.g;
  g.LineWins[3] = 10;
  t.m.animation.FlashedItem = 3;
  machine::StartTimer(t.m, machine::LampTimer::WinFlash);
  t.canvas.Record(true);
  for (int tick = 0; tick < 20; ++tick) {
    t.fake.Fire(machine::LampTimer::WinFlash);
    EXPECT_EQ(t.m.animation.FlashedItem, 3);
  }
  int olive_hatches = 0;
  for (const auto& c : t.canvas.Recorded()) olive_hatches += c.kind == platform::testing::RecordingCanvas::Call::kHatch && c.color == platform::kOlive;
  EXPECT_EQ(olive_hatches, 10 * 3);  // every other tick, three cells of the left column

  g.LineWins[3] = 0;  // nothing left to flash: the walk must not go round for ever
  t.m.animation.FlashTicks = 6;
  t.fake.Fire(machine::LampTimer::WinFlash);
  EXPECT_FALSE(t.fake.Running(machine::LampTimer::WinFlash));
}

TEST(Lamps, ScreenBonusHatchesTheSevensOrEveryCellForAllFruit) {
  TestMachine t;
  t.ShowWindow({rules::Seven, rules::Bell, rules::Seven, rules::Cherry, rules::Seven, rules::SingleBar, rules::Orange, rules::Grapes, rules::RollSeven});
  t.m.g.ScreenBonusKind = 3;
  t.canvas.Record(true);
  t.picture.HighlightScreenBonus(true);
  std::vector<int> hatched_x;
  for (const auto& c : t.canvas.Recorded())
    if (c.kind == platform::testing::RecordingCanvas::Call::kHatch) hatched_x.push_back(c.x - t.layout.origin_x);
  EXPECT_EQ(hatched_x, (std::vector<int>{49, 49 + 162, 49 + 81, 49 + 162}));
  t.canvas.Recorded().clear();
  t.m.g.ScreenBonusKind = 10;
  t.picture.HighlightScreenBonus(true);
  EXPECT_EQ(t.canvas.Recorded().size(), 9u);
}

TEST(Lamps, HighlightedLinesAreHatchedInTheirColourOverTheirCells) {
  TestMachine t(1024);
  t.canvas.Record(true);
  t.picture.HighlightLine(7, true);  // the rising diagonal: cells 6, 4, 2
  ASSERT_EQ(t.canvas.Recorded().size(), 3u);
  const auto& first = t.canvas.Recorded()[0];
  EXPECT_EQ(std::tuple(first.color, first.x - t.layout.origin_x, first.y - t.layout.origin_y, first.w),
            std::tuple(platform::kRed, 75, 70 + 2 * 173, 99));
  t.canvas.Recorded().clear();
  t.picture.HighlightLine(8, true);
  EXPECT_TRUE(t.canvas.Recorded().empty());
}

}  // namespace
