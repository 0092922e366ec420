// The pictures drawn at 2x and 3x (the large layout's, the card table's and the dialogs'),
// read from the program folder's 2x/ and 3x/, against the 1x pictures the game shows: a
// window that composes the layout larger cuts the twins at k times the 1x offsets, so each
// must be the same drawing, k times as big.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/card_pictures.h"
#include "dialogs/dialog_pictures.h"
#include "platform/bmp.h"
#include "view/builtin_pictures.h"

namespace {

using platform::Bitmap;
using platform::Color;

const std::string kDir = VANTELLO_PROGRAM_DIR;

// Where the game cuts a picture into parts, in 1x pixels: the left (top) edge of every
// column (row) and the picture's width (height) last.
using Cuts = std::vector<int>;

Cuts Even(int parts, int size) {
  Cuts cuts;
  for (int i = 0; i <= parts; ++i) cuts.push_back(i * size);
  return cuts;
}

Cuts Digits(int size) {
  Cuts cuts = Even(10, 16 * size);
  cuts.push_back(174 * size);  // the minus sign and the blank
  cuts.push_back(188 * size);
  return cuts;
}

// How far a part brought down may stray from its original, as the mean difference per
// channel (0..255). Shapes, gradients, glows and small labels come within 4 (measured at
// most 3.9). The font hinter fits the 1x letters to whole pixels, thicker and wider spaced
// than the twins' letters fitted to their own pixels, so parts that letters fill stray
// further: the sheet's three bar plates 5.7; the big bar 11.4, the bonus icons' bar 9.2
// and the chips' amounts 8.1.
constexpr double kShapes = 5, kSheet = 7, kLettering = 13;

// Where the game finds a picture compiled into it at 1x; a file beside the game when null.
using Builtin = const std::vector<uint8_t>* (*)(std::string_view name);
constexpr Builtin kFile = nullptr, kMain = view::BuiltinPicture, kCards = dialogs::CardPicture,
                  kDialogs = dialogs::DialogPicture;

struct Twin { const char* name; Builtin builtin; Cuts columns, rows; double bound = kShapes; };  // no cuts: shown whole

const Twin kTwins[] = {
    {"Backlg.bmp", kFile, {}, {}},
    {"Paychart.bmp", kFile, {}, {}, kLettering},
    {"Cherry96.bmp", kFile, Even(4, 96), Even(3, 96), kSheet},
    // The wheel shows any 96 rows of the strip; compare it a symbol's height at a time.
    {"Motion.bmp", kFile, {}, Even(6, 96)},
    {"Cher96on.bmp", kFile, Even(6, 83), {}}, {"Cher96of.bmp", kFile, Even(6, 83), {}},
    {"Cherbut1.bmp", kFile, {}, Even(4, 60)},
    {"Box.bmp", kFile, {}, {}}, {"Spin.bmp", kFile, {}, {}}, {"Stop.bmp", kFile, {}, {}},
    {"SpinBtn", kMain, {}, {}}, {"StopBtn", kMain, {}, {}}, {"Logo", kMain, {}, {}}, {"Options", kMain, {}, {}},
    {"DigitsSmall", kMain, Digits(1), {}}, {"GreenSmall", kMain, Digits(1), {}},
    {"DigitsLarge", kMain, Digits(2), {}}, {"GreenLarge", kMain, Digits(2), {}},
    {"PlusMinus", kMain, Even(2, 31), {}}, {"PlusSmall", kMain, Even(2, 15), {}},
    {"Bonus", kMain, {}, Even(3, 32), kLettering}, {"Bar", kMain, {}, {}, kLettering},
    {"Pos", kCards, {}, {}}, {"Neg", kCards, {}, {}}, {"back", kCards, {}, {}}, {"Joker", kCards, {}, {}},
    {"Royal", kCards, Even(3, 47), Even(2, 74)},
    {"Suits", kCards, Even(4, 15), Even(2, 15)}, {"SuitSm", kCards, Even(4, 11), Even(2, 11)},
    {"Black", kCards, Even(13, 9), Even(2, 14)}, {"Red", kCards, Even(13, 9), Even(2, 14)},
    {"Borrow1000", kDialogs, {}, {}, kLettering}, {"Borrow100", kDialogs, {}, {}, kLettering},
    {"Borrow10", kDialogs, {}, {}, kLettering}, {"Borrow1", kDialogs, {}, {}, kLettering},
    {"OkTick", kDialogs, {}, {}}, {"HelpMark", kDialogs, {}, {}},
};

Bitmap Original(const Twin& t) {
  Bitmap picture;
  if (t.builtin) {
    const std::vector<uint8_t>* bytes = t.builtin(t.name);
    EXPECT_TRUE(bytes && platform::DecodeBmp(bytes->data(), bytes->size(), picture)) << t.name;
  } else {
    EXPECT_TRUE(platform::LoadBmp(kDir + t.name, picture)) << t.name;
  }
  return picture;
}

std::string TwinFile(const Twin& t, int k) {
  return kDir + std::to_string(k) + "x/" + t.name + (t.builtin ? ".bmp" : "");
}

Bitmap Drawn(const Twin& t, int k) {
  Bitmap picture;
  std::string error;
  EXPECT_TRUE(platform::LoadBmp(TwinFile(t, k), picture, &error)) << TwinFile(t, k) << ": " << error;
  return picture;
}

int Channel(Color c, int ch) { return (c >> (16 - 8 * ch)) & 255; }

// The twin brought down by k: each k x k block becomes its average. dx, dy move the blocks
// by whole pixels of the twin, to see whether the parts would fit better elsewhere.
Bitmap BroughtDown(const Bitmap& twin, int k, int dx = 0, int dy = 0) {
  Bitmap out(twin.Width() / k, twin.Height() / k);
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) {
      int sum[3] = {0, 0, 0};
      for (int j = 0; j < k; ++j)
        for (int i = 0; i < k; ++i) {
          int tx = std::clamp(k * x + i + dx, 0, twin.Width() - 1);
          int ty = std::clamp(k * y + j + dy, 0, twin.Height() - 1);
          for (int ch = 0; ch < 3; ++ch) sum[ch] += Channel(twin.Pixel(tx, ty), ch);
        }
      int n = k * k;
      out.SetPixel(x, y, platform::Rgb((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n));
    }
  return out;
}

// Mean absolute channel difference of one part of two equal-sized pictures.
double Difference(const Bitmap& a, const Bitmap& b, int x0, int y0, int x1, int y1) {
  double sum = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      for (int ch = 0; ch < 3; ++ch) sum += std::abs(Channel(a.Pixel(x, y), ch) - Channel(b.Pixel(x, y), ch));
  return sum / (3.0 * (x1 - x0) * (y1 - y0));
}

// Each twin is true-colour and exactly k times its original; each part, brought down, looks
// like its original, and fits it better where it is than one 1x pixel away in any
// direction: the game cuts the twin at k times the 1x offsets.
TEST(TwinPictures, AreKTimesTheirOriginalAndBroughtDownMatchItPartByPart) {
  for (const Twin& t : kTwins) {
    Bitmap one = Original(t);
    Cuts columns = t.columns.empty() ? Cuts{0, one.Width()} : t.columns;
    Cuts rows = t.rows.empty() ? Cuts{0, one.Height()} : t.rows;
    ASSERT_EQ(columns.back(), one.Width()) << t.name;
    ASSERT_EQ(rows.back(), one.Height()) << t.name;
    for (int k : {2, 3}) {
      std::vector<uint8_t> bytes;
      ASSERT_TRUE(platform::ReadFile(TwinFile(t, k), bytes, 64u << 20)) << TwinFile(t, k);
      ASSERT_GT(bytes.size(), 54u);
      EXPECT_EQ(bytes[28] | bytes[29] << 8, 24) << TwinFile(t, k) << " is not true-colour";
      Bitmap twin = Drawn(t, k);
      ASSERT_EQ(twin.Width(), k * one.Width()) << t.name;
      ASSERT_EQ(twin.Height(), k * one.Height()) << t.name;
      Bitmap down = BroughtDown(twin, k);
      for (size_t r = 0; r + 1 < rows.size(); ++r)
        for (size_t c = 0; c + 1 < columns.size(); ++c) {
          SCOPED_TRACE(TwinFile(t, k) + " part " + std::to_string(c) + "," + std::to_string(r));
          auto difference = [&](const Bitmap& a) {
            return Difference(a, one, columns[c], rows[r], columns[c + 1], rows[r + 1]);
          };
          double here = difference(down);
          EXPECT_LT(here, t.bound);
          for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
              if (dx == 0 && dy == 0) continue;
              EXPECT_LT(here, difference(BroughtDown(twin, k, dx * k, dy * k))) << dx << "," << dy;
            }
        }
    }
  }
}

// Where the wheel windows of the large front stand at 2x and 3x: assets_test.cpp.

}  // namespace
