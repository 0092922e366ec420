#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "app/window_place.h"
#include "platform/canvas.h"
#include "platform/picture_fit.h"

namespace {

using platform::Bitmap;
using platform::FitPicture;

// At every fractional scale, a damaged block of the layout maps to window pixels that
// cover every window pixel the block shows (nothing stale is left), and a click on any
// window pixel of the picture maps back into the layout pixel shown there.
TEST(PictureFit, BlocksRoundOutwardAndClicksLandOnTheLayoutPixelShown) {
  for (auto [ww, wh] : {std::pair{1920, 1080}, {3840, 2160}, {1366, 768}, {1014, 768}, {800, 1200}, {1001, 701}}) {
    SCOPED_TRACE(std::to_string(ww) + "x" + std::to_string(wh));
    platform::PictureFit f = FitPicture(1014, 768, ww, wh);
    EXPECT_TRUE(f.shown_w == ww || f.shown_h == wh);  // as large as fits
    EXPECT_LE(std::abs(f.shown_w * 768 - f.shown_h * 1014), 1014 + 768);  // proportions kept
    EXPECT_LE(std::abs(2 * f.left + f.shown_w - ww), 1);  // centred
    EXPECT_LE(std::abs(2 * f.top + f.shown_h - wh), 1);
    EXPECT_EQ(f.ComposeScale(), std::clamp(static_cast<int>(std::ceil(f.scale - 1e-9)), 1, 3));
    for (auto [x, y, w, h] : {std::tuple{0, 0, 1, 1}, {417, 233, 97, 3}, {1013, 767, 1, 1}, {5, 30, 100, 42}}) {
      int bx, by, bw, bh;
      platform::WindowBlockOf(f, x, y, w, h, bx, by, bw, bh);
      // Every window pixel whose layout point falls in the block lies inside the window block.
      for (int py = std::max(0, by - 3); py < std::min(wh, by + bh + 3); ++py)
        for (int px = std::max(0, bx - 3); px < std::min(ww, bx + bw + 3); ++px) {
          int lx, ly;
          if (!platform::LayoutPointOf(f, px, py, lx, ly)) continue;
          bool in_block = lx >= x && lx < x + w && ly >= y && ly < y + h;
          bool in_window_block = px >= bx && px < bx + bw && py >= by && py < by + bh;
          ASSERT_TRUE(!in_block || in_window_block) << px << "," << py;
        }
    }
    int lx, ly;
    EXPECT_FALSE(f.left > 0 && platform::LayoutPointOf(f, f.left - 1, wh / 2, lx, ly));
    ASSERT_TRUE(platform::LayoutPointOf(f, f.left + f.shown_w - 1, f.top + f.shown_h - 1, lx, ly));
    EXPECT_EQ(std::pair(lx, ly), std::pair(1013, 767));
  }
}

// The filter keeps flat colours exact, blends what lies under a window pixel and leaves
// the window around the picture black.
TEST(PictureFit, TheFilterBlendsWhatEachWindowPixelCovers) {
  Bitmap composed(20, 10, platform::Rgb(200, 100, 50));
  for (int y = 0; y < 10; ++y)
    for (int x = 10; x < 20; ++x) composed.SetPixel(x, y, (x % 2) ? platform::kWhite : platform::kBlack);
  platform::PictureFit f = FitPicture(10, 5, 14, 5);  // shown 10 wide from 20 composed: 2 to 1
  Bitmap shown;
  platform::ShowComposed(f, composed, 2, 0, 0, 14, 5, shown);
  EXPECT_EQ(shown.Pixel(1, 2), platform::kBlack);  // left border
  EXPECT_EQ(shown.Pixel(3, 2), platform::Rgb(200, 100, 50));
  EXPECT_NEAR(static_cast<int>((shown.Pixel(10, 2) >> 8) & 255), 128, 1);  // a black and a white pixel
  EXPECT_EQ(shown.Pixel(12, 2), platform::kBlack);  // right border
  // A block of the window gives the same pixels as the whole window does there.
  Bitmap part;
  platform::ShowComposed(f, composed, 2, 9, 1, 4, 3, part);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(part.Pixel(x, y), shown.Pixel(9 + x, 1 + y));
}

// A canvas composed at 3x draws each picture from its twin and grabs with the twin; what
// was drawn before the scale was set is enlarged.
TEST(PictureFit, TheCanvasComposesFromTwinsAtItsScale) {
  Bitmap picture(4, 2, platform::kRed), twin(12, 6, platform::kBlue);
  ASSERT_FALSE(picture.SetTwin(3, Bitmap(11, 6)));
  ASSERT_TRUE(picture.SetTwin(3, twin));
  platform::Canvas canvas(10, 10, nullptr);
  canvas.Fill(1, 1, 1, 1, platform::kGreen);
  canvas.SetComposeScale(3);
  EXPECT_EQ(canvas.Composed().Pixel(5, 5), platform::kGreen);
  EXPECT_EQ(canvas.Composed().Pixel(6, 6), platform::kBlack);
  canvas.Blit(picture, 1, 0, 2, 2, 5, 5);
  EXPECT_EQ(canvas.Composed().Pixel(15, 15), platform::kBlue);
  EXPECT_EQ(canvas.Composed().Pixel(20, 20), platform::kBlue);
  EXPECT_EQ(canvas.Composed().Pixel(21, 21), platform::kBlack);
  canvas.Fill(0, 0, 1, 1, platform::kWhite);
  EXPECT_EQ(canvas.Composed().Pixel(2, 2), platform::kWhite);
  Bitmap grabbed = canvas.Grab(4, 4, 3, 3);
  ASSERT_NE(grabbed.Twin(3), nullptr);
  EXPECT_EQ(grabbed.Twin(3)->Pixel(4, 4), platform::kBlue);
  // A picture without a twin is enlarged where it lands.
  canvas.Blit(Bitmap(1, 1, platform::kGreen), 0, 0, 1, 1, 9, 9);
  EXPECT_EQ(canvas.Composed().Pixel(29, 29), platform::kGreen);
}

// A text renderer whose faces are as wide as their points for each character, to see at
// which size a text is drawn.
class PointsText : public platform::TextRenderer {
 public:
  void Draw(Bitmap&, int, int, std::string_view, int points, platform::Color, bool) override { drawn.push_back(points); }
  int Width(std::string_view text, int points, bool) override { return static_cast<int>(text.size()) * points; }
  int Height(int points, bool) override { return points; }
  std::vector<int> drawn;
};

// Composed below the layout's size, blocks side by side stay side by side, a picture cut
// from a sheet never shows its neighbour, a grabbed block goes back exactly, and texts are
// drawn at the size they are shown, though never below their 800x600 size.
TEST(PictureFit, BelowItsOwnSizeTheCanvasDrawsAtTheShownSize) {
  PointsText text;
  platform::Canvas canvas(100, 50, &text);
  canvas.ComposeReduced(90, 45);
  ASSERT_TRUE(canvas.Reduced());
  ASSERT_EQ(canvas.Composed().Width(), 90);
  canvas.Fill(0, 0, 33, 50, platform::kRed);
  canvas.Fill(33, 0, 67, 50, platform::kGreen);
  for (int x = 0; x < 90; ++x)
    EXPECT_EQ(canvas.Composed().Pixel(x, 20), x < 29 ? platform::kRed : platform::kGreen) << x;

  Bitmap sheet(20, 10, platform::kBlue);
  platform::FillRect(sheet, 0, 0, 10, 10, platform::kYellow);
  canvas.Blit(sheet, 0, 0, 10, 10, 41, 11);
  canvas.Blit(sheet, 10, 0, 10, 10, 51, 11);
  int yellow = 0;
  for (int y = 0; y < 45; ++y)
    for (int x = 0; x < 90; ++x) {
      const platform::Color c = canvas.Composed().Pixel(x, y);
      EXPECT_TRUE(c == platform::kRed || c == platform::kGreen || c == platform::kBlue || c == platform::kYellow)
          << "a blend at " << x << ',' << y;
      yellow += c == platform::kYellow;
    }
  EXPECT_EQ(yellow, 9 * 9);

  const Bitmap before = canvas.Composed();
  Bitmap grabbed = canvas.Grab(30, 5, 40, 20);
  canvas.Fill(30, 5, 40, 20, platform::kWhite);
  canvas.Blit(grabbed, 0, 0, 40, 20, 30, 5);
  for (int y = 0; y < 45; ++y)
    for (int x = 0; x < 90; ++x) ASSERT_EQ(canvas.Composed().Pixel(x, y), before.Pixel(x, y)) << x << ',' << y;

  // At 0.9 a 14-point label is drawn at 13, captions keep their 8; at half size the label
  // keeps 12, the size it has on an 800x600 screen.
  canvas.Text(0, 0, "Credits:", 14, platform::kWhite);
  canvas.Text(0, 0, "Stats", 8, platform::kWhite);
  EXPECT_EQ(text.drawn, (std::vector<int>{13, 8}));
  EXPECT_EQ(canvas.TextWidth("Stats", 8), 45);  // 40 drawn pixels are 44.4 of the layout's
  EXPECT_EQ(canvas.FitText({"Stats"}, 8, 44).points, 7);
  canvas.ComposeReduced(50, 25);
  EXPECT_EQ(std::vector<int>({canvas.DrawnPoints(14), canvas.DrawnPoints(8), canvas.DrawnPoints(6)}),
            std::vector<int>({12, 8, 6}));
  canvas.SetComposeScale(1);
  EXPECT_FALSE(canvas.Reduced());
  EXPECT_EQ(canvas.Composed().Width(), 100);
}

// The window's place comes back as written; a file without one gives nothing.
TEST(PictureFit, TheWindowPlaceIsKeptApartFromTheGames) {
  std::string path = (std::filesystem::temp_directory_path() / "vantello-window-place-test.ini").string();
  std::remove(path.c_str());
  EXPECT_FALSE(app::ReadWindowPlace(path));
  ASSERT_TRUE(app::WriteWindowPlace(path, {-20, 40, 1600, 900, true}));
  std::optional<app::WindowPlace> p = app::ReadWindowPlace(path);
  ASSERT_TRUE(p);
  EXPECT_EQ(std::tuple(p->x, p->y, p->w, p->h, p->full_screen), std::tuple(-20, 40, 1600, 900, true));
  std::remove(path.c_str());
}

// On a 1920 x 1080 screen whose panel takes the top 30 rows: a place on it stays; one
// larger than it opens as large as it allows, centred; one partly off it moves onto it.
TEST(PictureFit, AKeptPlaceComesBackOnTheScreen) {
  using Place = std::tuple<int, int, int, int, bool>;
  auto fit = [](Place p) {
    auto [x, y, w, h, full] = p;
    app::WindowPlace f = app::FitOnScreen({x, y, w, h, full}, 0, 30, 1920, 1050);
    return Place{f.x, f.y, f.w, f.h, f.full_screen};
  };
  for (auto [kept, shown] : {std::pair{Place{100, 60, 1200, 700, false}, Place{100, 60, 1200, 700, false}},
                             {Place{0, 0, 100000, 100000, false}, Place{0, 30, 1920, 1050, false}},
                             {Place{50, 50, 5000, 4000, false}, Place{0, 30, 1920, 1050, false}},
                             {Place{10, 40, 1900, 1200, false}, Place{10, 30, 1900, 1050, false}},
                             {Place{-500, 2000, 800, 600, false}, Place{0, 480, 800, 600, false}},
                             {Place{1800, -40, 800, 600, false}, Place{1120, 30, 800, 600, false}},
                             {Place{-100000, 7, 0, 0, true}, Place{0, 30, 0, 0, true}}})
    EXPECT_EQ(fit(kept), shown);
}

}  // namespace
