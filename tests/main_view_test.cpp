#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>

#include "tests/test_machine.h"
#include "view/layout.h"
#include "view/main_view.h"
#include "view/pictures.h"

namespace {

view::Pictures DigitPictures() {
  view::Pictures p;
  // Digit d of each strip is a block of colour 0x100 + d (red) or 0x200 + d (green).
  for (auto [strip, base, w, h] : {std::tuple{&p.DigitsSmall, 0x100, 16, 21}, {&p.GreenSmall, 0x200, 16, 21},
                                   {&p.DigitsLarge, 0x100, 32, 42}, {&p.GreenLarge, 0x200, 32, 42}}) {
    *strip = platform::Bitmap(w * 11 + w * 3 / 4, h);
    for (int d = 0; d < 10; ++d) platform::FillRect(*strip, d * w, 0, w, h, static_cast<platform::Color>(base + d));
  }
  p.SpinBtn = p.StopBtn = platform::Bitmap(124, 72);
  p.Logo = platform::Bitmap(142, 132);
  return p;
}

TEST(DrawNumber, ClearsTheCellAShorterNumberLeaves) {
  testing_support::TestMachine t;
  view::Pictures p = DigitPictures();
  platform::Canvas& c = t.canvas;
  auto at = [&](int x, int y) { return c.Pixels().Pixel(x, y); };
  platform::FillRect(const_cast<platform::Bitmap&>(c.Pixels()), 0, 0, 400, 100, 0xABCDEF);
  view::DrawNumber(c, p, false, 1000, 10, 30, false, false, false);
  view::DrawNumber(c, p, false, 999, 10, 30, false, false, false);
  EXPECT_EQ(at(10, 30), 0x109u);
  EXPECT_EQ(at(10 + 3 * 16 + 5, 35), platform::kBlack);      // old fourth digit wiped
  EXPECT_EQ(at(10 + 5 * 16 + 5, 35), 0xABCDEFu);             // nothing beyond the extra cell

  // Right-aligned: 64 and then 8 end at the same edge; the old 6 is wiped.
  view::DrawNumber(c, p, false, 64, 300, 60, false, true, false);
  view::DrawNumber(c, p, false, 8, 300, 60, false, true, false);
  EXPECT_EQ(at(300 - 16, 61), 0x108u);
  EXPECT_EQ(at(300 - 32, 61), platform::kBlack);
  EXPECT_EQ(at(300 - 49, 61), 0xABCDEFu);
  EXPECT_EQ(at(300, 61), 0xABCDEFu);

  // Exact clear touches nothing beside its own digits; large digits are 32 wide.
  view::DrawNumber(c, p, true, 7, 100, 0, true, false, true);
  EXPECT_EQ(at(100 + 31, 41), 0x207u);
  EXPECT_EQ(at(100 + 32, 41), 0xABCDEFu);
}

bool SamePixels(platform::Canvas& a, platform::Canvas& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixels().Pixel(x, y) != b.Pixels().Pixel(x, y)) return false;
  return true;
}

int LitPixels(platform::Canvas& c) {
  int n = 0;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) n += c.Pixels().Pixel(x, y) != platform::kBlack;
  return n;
}

// Two machines at each width: one redrawn from an old value to a new one, one painted
// with the new value at once. The redraw must leave nothing of the old value behind.
struct TwoMachines {
  explicit TwoMachines(int width)
      : redrawn(width), fresh(width), redrawn_view(redrawn.m, p, 96), fresh_view(fresh.m, p, 96) {
    for (auto [view, machine] : {std::pair{&redrawn_view, &redrawn}, {&fresh_view, &fresh}}) {
      view->art = machine->picture.art;
      view->layout = view::MakeLayout(width, view->art, p);
    }
  }
  view::Pictures p = DigitPictures();
  testing_support::TestMachine redrawn, fresh;
  view::MainView redrawn_view, fresh_view;
};

// Below 700 the window has no Winnings meter.
TEST(MainView, MetersRedrawnShowNothingOfTheOldValueNorOfTheirLabel) {
  for (int width : {640, 800, 1024}) {
    for (auto [from, to] : {std::pair{1000, 500}, {16, 8}}) {
      TwoMachines t(width);
      t.redrawn.m.g.SpinWin = from;
      t.redrawn_view.ShowWinnings(true);
      t.redrawn.m.g.SpinWin = to;  // the card game halved it
      t.redrawn_view.ShowWinnings(true);
      t.fresh.m.g.SpinWin = to;
      t.fresh_view.ShowWinnings(true);
      EXPECT_TRUE(SamePixels(t.redrawn.canvas, t.fresh.canvas)) << width << ": " << from << " -> " << to;
      EXPECT_EQ(LitPixels(t.fresh.canvas) > 0, width >= 700) << width;
    }
    TwoMachines t(width);
    t.redrawn_view.PaintAll();
    t.fresh_view.PaintAll();
    for (int coins : {2, 1}) {  // 8 coins played, then 16, then 8 again: the label stays whole
      t.redrawn.m.g.CoinsPerLine = coins;
      t.redrawn_view.DrawCoinsPlayedMeter();
    }
    EXPECT_TRUE(SamePixels(t.redrawn.canvas, t.fresh.canvas)) << width;
  }
}

TEST(Layout, TheMachineAndItsButtonsStandWhereThePlayerLooks) {
  // At each screen the machine is laid out for, with its backgrounds at their generated
  // size: the machine centred, the buttons centred in the room to its right with Stop on
  // its bottom edge and Spin above, the bet keys to its right clear of one another, the
  // logo centred in the room to its left, and everything on the screen.
  for (auto [width, height] : {std::pair{640, 480}, {800, 600}, {1024, 768}}) {
    SCOPED_TRACE(width);
    view::Artwork art;
    const view::PictureSize bg = view::ArtworkSize(view::ChooseArtworkFiles(width, 24).BackgroundImage);
    art.BackgroundImage = platform::Bitmap(bg.width, bg.height);
    view::Pictures p = DigitPictures();
    const view::Layout l = view::MakeLayout(width, art, p);
    auto on_screen = [&](const platform::Rect& r) { return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height; };
    auto apart = [](const platform::Rect& a, const platform::Rect& b) {
      return a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top;
    };
    EXPECT_LE(std::abs(2 * l.origin_x + bg.width - width), 1);
    EXPECT_LE(l.origin_y + bg.height, height);
    const int room_middle = (l.Right() + width) / 2;
    EXPECT_LE(std::abs((l.stop.left + l.stop.right) / 2 - room_middle), 1);
    EXPECT_EQ(std::pair(l.spin.left, l.spin.right), std::pair(l.stop.left, l.stop.right));
    EXPECT_EQ(l.stop.bottom, l.origin_y + bg.height);
    EXPECT_LT(l.spin.bottom, l.stop.top);
    const platform::Rect keys[] = {l.lines_plus, view::MinusKeyOf(l.lines_plus), l.coins_plus, view::MinusKeyOf(l.coins_plus)};
    for (size_t i = 0; i < std::size(keys); ++i) {
      EXPECT_GT(keys[i].left, l.Right());
      EXPECT_TRUE(on_screen(keys[i]));
      for (size_t j = i + 1; j < std::size(keys); ++j) EXPECT_TRUE(apart(keys[i], keys[j])) << i << " " << j;
    }
    for (const platform::Rect& r : {l.spin, l.stop}) EXPECT_TRUE(on_screen(r));
    EXPECT_LE(std::abs(2 * l.logo.x + p.Logo.Width() - l.origin_x), 1);
    EXPECT_EQ(l.logo.y + p.Logo.Height(), l.stop.bottom);
  }
  using enum view::WidthClass;
  for (auto [width, width_class] : {std::pair{699, Small}, {700, Medium}, {999, Medium}, {1000, Large}, {20000, Large}})
    EXPECT_EQ(view::WidthClassOf(width), width_class) << width;
}

TEST(Artwork, FilesFollowTheScreen) {
  using F = view::ArtworkFiles;
  const std::tuple<int, int, std::string F::*, const char*> files[] = {
      {640, 8, &F::BackgroundImage, "Backs256.bmp"}, {640, 8, &F::SymbolSheet, "Che64256.bmp"},
      {640, 8, &F::MotionStrip, "Moti2256.bmp"},     {640, 8, &F::SideLampImage, "Cbut0256.bmp"},
      {800, 16, &F::BackgroundImage, "Backsm.bmp"},  {800, 16, &F::SideLampImage, "Cherbut1.bmp"},
      {691, 24, &F::SideLampImage, "Cherbut1.bmp"},  {690, 24, &F::SideLampImage, "Cherbut0.bmp"},
      {1000, 24, &F::BackgroundImage, "Backlg.bmp"}, {1000, 24, &F::BackgroundFallback, "Backlg2.bmp"},
      {1000, 24, &F::SymbolSheet, "Cherry96.bmp"},   {1024, 8, &F::BackgroundImage, "Backlg2.bmp"}};
  for (const auto& [width, depth, file, name] : files)
    EXPECT_EQ(view::ChooseArtworkFiles(width, depth).*file, name) << width << "x" << depth;
}

}  // namespace
