#include <gtest/gtest.h>

#include <tuple>

#include "rules/strips.h"
#include "view/layout.h"
#include "rules/rolls.h"
#include "tests/test_machine.h"

namespace {

std::vector<int> Codes(const rules::Strip& s) { return std::vector<int>(s.begin(), s.end()); }

TEST(Strips, RegularAndRollStripsAreAsTabled) {
  const std::vector<std::vector<int>> expected = {
      {8, 2, 4, 9, 1, 6, 8, 7, 5, 0, 7, 4, 6, 3, 4, 1, 9, 3, 5, 8},
      {7, 2, 4, 9, 1, 6, 3, 0, 7, 5, 7, 2, 6, 9, 5, 4, 3, 9, 2, 6},
      {7, 2, 8, 9, 11, 6, 3, 1, 7, 5, 0, 7, 4, 5, 6, 9, 1, 5, 4, 8},
      {7, 11, 4, 9, 1, 6, 8, 0, 8, 5, 7, 2, 6, 9, 5, 4, 3, 9, 2, 6},
      {7, 2, 4, 9, 11, 6, 3, 8, 7, 5, 0, 7, 4, 5, 6, 7, 1, 5, 4, 11},
      {7, 2, 4, 9, 1, 6, 3, 7, 5, 0, 7, 4, 6, 3, 4, 1, 9, 3, 5, 6},
      {7, 2, 4, 9, 1, 6, 3, 1, 7, 5, 0, 7, 4, 5, 6, 9, 1, 5, 4, 6},
      {7, 2, 4, 8, 1, 6, 11, 7, 5, 0, 5, 4, 5, 3, 5, 1, 9, 3, 5, 8},
      {7, 11, 4, 9, 1, 11, 3, 0, 7, 5, 11, 2, 6, 9, 5, 4, 3, 9, 2, 6},
  };
  auto strips = rules::RegularStrips();
  for (int w = 0; w < 9; ++w) {
    EXPECT_EQ(Codes(strips[w]), expected[w]) << "wheel " << w;
    EXPECT_EQ(std::count(strips[w].begin(), strips[w].end(), rules::Seven), 1);
    EXPECT_EQ(std::count(strips[w].begin(), strips[w].end(), rules::RollSeven), 0);
  }
  auto cherry = rules::CherryRollStrip();
  EXPECT_EQ(std::pair(std::count(cherry.begin(), cherry.end(), rules::Cherry), std::count(cherry.begin(), cherry.end(), rules::RollSeven)),
            std::pair(7l, 3l));
  EXPECT_EQ(cherry[3], rules::RollSeven);
  EXPECT_EQ(Codes(rules::BarRollStrip()), (std::vector<int>{11, 10, 2, 1, 3, 2, 3, 11, 3, 1, 11, 2, 3, 11, 3, 10, 11, 1, 3, 2}));
}

TEST(Strips, StartupStopsShowBarsSevensAndFruit) {
  rules::GameState g;
  rules::ApplyStartupValues(g);
  std::vector<int> shown;
  shown.reserve(9);
  for (int w = 0; w < 9; ++w) shown.push_back(rules::CellSymbol(g, w));
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 0, 0, 0, 9, 7, 6}));
}

TEST(Wheels, MotionWindowWrapsAtTheStripEnd) {
  for (int size : {64, 96}) {
    testing_support::TestMachine t(size == 96 ? 1024 : 640);
    // Row r of the strip gets colour r, so the window shows which rows it drew.
    platform::Bitmap strip(size, 576);
    for (int r = 0; r < 576; ++r) platform::FillRect(strip, 0, r, size, 1, static_cast<platform::Color>(r));
    t.picture.art.MotionStrip = strip;
    t.picture.DrawTurningWheel(4, 575);
    view::Box b = view::MotionWindow(t.layout, 4);
    EXPECT_EQ(t.canvas.Pixels().Pixel(b.x, b.y), 575u);
    EXPECT_EQ(t.canvas.Pixels().Pixel(b.x, b.y + 1), 0u);
    EXPECT_EQ(t.canvas.Pixels().Pixel(b.x + size - 1, b.y + b.h - 1), static_cast<platform::Color>(b.h - 2));
    // Every wheel's blur turns over the columns its symbol stands in, within its white
    // window's rows; no white window reaches the next wheel's.
    for (int w = 0; w < 9; ++w) {
      const view::Box white = view::WheelWindow(t.layout, w);
      const view::Box symbol = view::SymbolSquare(t.layout, w), blur = view::MotionWindow(t.layout, w);
      EXPECT_EQ(std::tuple(symbol.x, symbol.w, symbol.h), std::tuple(blur.x, size, size)) << w;
      EXPECT_TRUE(symbol.y >= white.y && symbol.y + symbol.h <= white.y + white.h) << w;
      EXPECT_TRUE(blur.y >= white.y && blur.y + blur.h <= white.y + white.h) << w;
      if (w % 3 < 2) {
        EXPECT_LT(white.x + white.w, view::WheelWindow(t.layout, w + 1).x) << w;
      }
      if (w < 6) {
        EXPECT_LT(white.y + white.h, view::WheelWindow(t.layout, w + 3).y) << w;
      }
    }
  }
}

}  // namespace
