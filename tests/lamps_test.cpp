#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <vector>

#include "rules/strips.h"
#include "tests/test_machine.h"
#include "view/layout.h"
#include "view/main_view.h"

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

// The hatching covers each cell's white window, in the line's colour or black for the
// screen bonus: the Sevens' cells, or every cell for All Fruit.
TEST(Lamps, TheWinFlashHatchesTheWinningCells) {
  using Call = platform::testing::RecordingCanvas::Call;
  auto hatched = [](TestMachine& t) {
    std::vector<std::tuple<int, int, int, int, platform::Color>> boxes;
    for (const auto& c : t.canvas.Recorded())
      if (c.kind == Call::kHatch) boxes.emplace_back(c.x, c.y, c.w, c.h, c.color);
    t.canvas.Recorded().clear();
    return boxes;
  };
  auto windows = [](TestMachine& t, std::initializer_list<int> cells, platform::Color colour) {
    std::vector<std::tuple<int, int, int, int, platform::Color>> boxes;
    for (int w : cells) {
      const view::Box b = view::WheelWindow(t.layout, w);
      boxes.emplace_back(b.x, b.y, b.w, b.h, colour);
    }
    return boxes;
  };
  TestMachine t;
  t.ShowWindow({rules::Seven, rules::Bell, rules::Seven, rules::Cherry, rules::Seven, rules::SingleBar, rules::Orange, rules::Grapes, rules::RollSeven});
  t.m.g.ScreenBonusKind = 3;
  t.canvas.Record(true);
  t.picture.HighlightScreenBonus(true);
  EXPECT_EQ(hatched(t), windows(t, {0, 2, 4, 8}, platform::kBlack));
  t.m.g.ScreenBonusKind = rules::kScreenBonusAllFruit;
  t.picture.HighlightScreenBonus(true);
  EXPECT_EQ(hatched(t), windows(t, {0, 1, 2, 3, 4, 5, 6, 7, 8}, platform::kBlack));

  TestMachine large(1024);
  large.canvas.Record(true);
  large.picture.HighlightLine(7, true);  // the rising diagonal
  EXPECT_EQ(hatched(large), windows(large, {6, 4, 2}, view::LineColour(7)));
  large.picture.HighlightLine(8, true);  // no such line
  EXPECT_TRUE(hatched(large).empty());
}

}  // namespace
