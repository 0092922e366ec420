// The generated artwork and sounds, read from the program folder as the game reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "machine/sounds.h"
#include "platform/bmp.h"
#include "view/builtin_pictures.h"
#include "view/pictures.h"

namespace {

using platform::Bitmap;
using platform::Color;

const std::string kDir = VANTELLO_PROGRAM_DIR;

std::vector<uint8_t> Bytes(const std::string& file) {
  std::vector<uint8_t> bytes;
  EXPECT_TRUE(platform::ReadFile(kDir + file, bytes, 16u << 20)) << file;
  return bytes;
}

Bitmap Picture(const std::string& file) {
  Bitmap picture;
  std::string error;
  EXPECT_TRUE(platform::LoadBmp(kDir + file, picture, &error)) << file << ": " << error;
  return picture;
}

int Channel(Color c, int ch) { return (c >> (16 - 8 * ch)) & 255; }
int Brightest(Color c) { return std::max({Channel(c, 0), Channel(c, 1), Channel(c, 2)}); }
int Darkest(Color c) { return std::min({Channel(c, 0), Channel(c, 1), Channel(c, 2)}); }

// Mean of `measure` over a block of the picture.
template <class Measure>
double Mean(const Bitmap& p, int x, int y, int w, int h, Measure measure) {
  double sum = 0;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) sum += measure(p.Pixel(i, j));
  return sum / (w * h);
}
// How brightly a coloured lamp shines.
double Shine(const Bitmap& p, int x, int y, int w, int h) { return Mean(p, x, y, w, h, Brightest); }
// Share of a block that is clearly not white.
double Inked(const Bitmap& p, int x, int y, int w, int h) {
  return Mean(p, x, y, w, h, [](Color c) { return Darkest(c) < 200; });
}

Bitmap Builtin(const char* name) {
  Bitmap picture;
  const std::vector<uint8_t>* bytes = view::BuiltinPicture(name);
  EXPECT_TRUE(bytes && platform::DecodeBmp(bytes->data(), bytes->size(), picture)) << name;
  return picture;
}

// Mean absolute channel difference of two equal blocks.
double Difference(const Bitmap& a, int ax, int ay, const Bitmap& b, int bx, int by, int w, int h) {
  double sum = 0;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i)
      for (int ch = 0; ch < 3; ++ch)
        sum += std::abs(Channel(a.Pixel(ax + i, ay + j), ch) - Channel(b.Pixel(bx + i, by + j), ch));
  return sum / (3.0 * w * h);
}

struct ArtFile { const char* name; int width, height, bits; };

const ArtFile kArtwork[] = {
    {"Backsm.bmp", 324, 416, 24},   {"Backs256.bmp", 324, 416, 8},  {"Backlg.bmp", 498, 610, 24},
    {"Backlg2.bmp", 498, 610, 8},   {"Cherry64.bmp", 256, 192, 24}, {"Che64256.bmp", 256, 192, 8},
    {"Cherry96.bmp", 384, 288, 24}, {"Che96256.bmp", 384, 288, 8},  {"Motion2.bmp", 64, 576, 24},
    {"Moti2256.bmp", 64, 576, 8},   {"Motion.bmp", 96, 576, 24},    {"Motio256.bmp", 96, 576, 8},
    {"Cher64on.bmp", 318, 30, 24},  {"Cher64of.bmp", 318, 30, 24},  {"C64on256.bmp", 318, 30, 8},
    {"C64of256.bmp", 318, 30, 8},   {"Cher96on.bmp", 498, 100, 24}, {"Cher96of.bmp", 498, 100, 24},
    {"C96on256.bmp", 498, 100, 8},  {"C96of256.bmp", 498, 100, 8},  {"Cherbut0.bmp", 40, 160, 24},
    {"Cherbut1.bmp", 60, 240, 24},  {"Cbut0256.bmp", 40, 160, 8},   {"Cbut1256.bmp", 60, 240, 8},
    {"Box.bmp", 62, 20, 24},        {"Spin.bmp", 124, 72, 24},      {"Stop.bmp", 124, 72, 24},
};

TEST(Assets, EveryPictureHasItsSizeAndDepth) {
  for (const ArtFile& art : kArtwork) {
    SCOPED_TRACE(art.name);
    std::vector<uint8_t> bytes = Bytes(art.name);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[28] | bytes[29] << 8, art.bits);
    Bitmap picture = Picture(art.name);
    EXPECT_EQ(picture.Width(), art.width);
    EXPECT_EQ(picture.Height(), art.height);
    // The game expects it at that size: its oversize rule is reckoned from it.
    const view::PictureSize known = view::ArtworkSize(art.name);
    EXPECT_TRUE(known.width == art.width && known.height == art.height) << known.width << "x" << known.height;
  }
  Bitmap chart = Picture("Paychart.bmp");
  EXPECT_TRUE(chart.Width() >= 560 && chart.Width() <= 720) << chart.Width();
  EXPECT_TRUE(chart.Height() >= 400 && chart.Height() <= 520) << chart.Height();
}

// The game draws the symbols into the nine white windows of the machine front, at 2x and
// 3x from k times their 1x corner: white exactly there, framed just outside.
TEST(Assets, WheelWindowsAreWhiteAndFramed) {
  struct Front { const char* name; int x, y, w, h, pitch_x, pitch_y, frame; };
  const Front fronts[] = {{"Backsm.bmp", 49, 45, 64, 97, 81, 112, 2},      {"Backs256.bmp", 49, 45, 64, 97, 81, 112, 2},
                          {"Backlg.bmp", 75, 70, 99, 150, 124, 173, 2},    {"Backlg2.bmp", 75, 70, 99, 150, 124, 173, 2},
                          {"2x/Backlg.bmp", 150, 140, 198, 300, 248, 346, 1}, {"3x/Backlg.bmp", 225, 210, 297, 450, 372, 519, 1}};
  for (const Front& f : fronts) {
    Bitmap front = Picture(f.name);
    ASSERT_FALSE(front.Empty()) << f.name;
    for (int cell = 0; cell < 9; ++cell) {
      SCOPED_TRACE(std::string(f.name) + " cell " + std::to_string(cell));
      int x0 = f.x + f.pitch_x * (cell % 3), y0 = f.y + f.pitch_y * (cell / 3);
      auto not_white = [](Color c) { return c != platform::kWhite; };
      EXPECT_EQ(Mean(front, x0, y0, f.w, f.h, not_white), 0);
      // The frame: the row above and the column left of the window are not white.
      EXPECT_EQ(Mean(front, x0, y0 - f.frame, f.w, 1, not_white), 1);
      EXPECT_EQ(Mean(front, x0 - f.frame, y0, 1, f.h, not_white), 1);
    }
  }
}

TEST(Assets, TwelveSymbolsAreClearlyDifferent) {
  for (auto [name, cell] : {std::pair{"Cherry64.bmp", 64}, std::pair{"Cherry96.bmp", 96},
                            std::pair{"Che64256.bmp", 64}, std::pair{"Che96256.bmp", 96}}) {
    SCOPED_TRACE(name);
    Bitmap sheet = Picture(name);
    ASSERT_EQ(sheet.Width(), 4 * cell);
    for (int a = 0; a < 12; ++a) {
      int ax = (a % 4) * cell, ay = (a / 4) * cell;
      // Each symbol stands on the white of the wheel and fills a good part of its square.
      EXPECT_EQ(sheet.Pixel(ax, ay), platform::kWhite) << "symbol " << a;
      EXPECT_GT(Inked(sheet, ax, ay, cell, cell), 0.2) << "symbol " << a;
      for (int b = a + 1; b < 12; ++b) {
        double d = Difference(sheet, ax, ay, sheet, (b % 4) * cell, (b / 4) * cell, cell, cell);
        EXPECT_GT(d, 12) << "symbols " << a << " and " << b;
      }
    }
  }
}

TEST(Assets, LitLampsOutshineDarkOnes) {
  for (auto [on, off, w] : {std::tuple{"Cher64on.bmp", "Cher64of.bmp", 53},
                            std::tuple{"C64on256.bmp", "C64of256.bmp", 53},
                            std::tuple{"Cher96on.bmp", "Cher96of.bmp", 83},
                            std::tuple{"C96on256.bmp", "C96of256.bmp", 83}}) {
    Bitmap lit = Picture(on), dark = Picture(off);
    ASSERT_EQ(lit.Height(), dark.Height());
    for (int i = 0; i < 6; ++i)
      EXPECT_GT(Shine(lit, i * w, 0, w, lit.Height()),
                Shine(dark, i * w, 0, w, dark.Height()) + 40)
          << on << " lamp " << i;
  }
  for (const char* name : {"Cherbut0.bmp", "Cherbut1.bmp", "Cbut0256.bmp", "Cbut1256.bmp"}) {
    Bitmap side = Picture(name);
    int f = side.Width();
    ASSERT_EQ(side.Height(), 4 * f);
    EXPECT_GT(Shine(side, 0, f, f, f), Shine(side, 0, 0, f, f) + 25) << name << " left";
    EXPECT_GT(Shine(side, 0, 3 * f, f, f), Shine(side, 0, 2 * f, f, f) + 25)
        << name << " right";
  }
}

TEST(Assets, MotionStripWrapsWithoutASeam) {
  for (const char* name : {"Motion2.bmp", "Motion.bmp", "Moti2256.bmp", "Motio256.bmp"}) {
    Bitmap strip = Picture(name);
    ASSERT_EQ(strip.Height(), 576) << name;
    int w = strip.Width();
    // The step from the last row back to the first is no bigger than the strip's own steps.
    double largest_step = 0;
    for (int y = 0; y + 1 < 576; ++y)
      largest_step = std::max(largest_step, Difference(strip, 0, y, strip, 0, y + 1, w, 1));
    EXPECT_LE(Difference(strip, 0, 575, strip, 0, 0, w, 1), largest_step) << name;
    EXPECT_GT(Inked(strip, 0, 0, w, 576), 0.1) << name << " shows no symbols";
  }
}

uint32_t U16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t U32(const std::vector<uint8_t>& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

TEST(Assets, SoundsArePcmWavesOfTheirLength) {
  struct Wave { const char* name; int min_ms, max_ms; };
  // The count-off tick restarts every 100 ms, so it must be over by then.
  const Wave waves[] = {{"Cherry0.wav", 15, 80},     {"Cherry1.wav", 150, 400},
                        {"Cherry2.wav", 600, 1500},  {"Cherry4.wav", 150, 500},
                        {"Cherry5.wav", 100, 350},   {"Cherry6.wav", 350, 900},
                        {"Cherry7.wav", 300, 800},   {"Cherry8.wav", 30, 99},
                        {"Cherry9.wav", 500, 1200},  {"Cherry10.wav", 800, 1800}};
  for (const Wave& wave : waves) {
    SCOPED_TRACE(wave.name);
    std::vector<uint8_t> b = Bytes(wave.name);
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(U32(b, 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    // PCM, mono, 22050 Hz, 16 bits.
    EXPECT_EQ(std::tuple(U16(b, 20), U16(b, 22), U32(b, 24), U16(b, 34)), std::tuple(1u, 1u, 22050u, 16u));
    ASSERT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    uint32_t data = U32(b, 40);
    ASSERT_EQ(data + 44, b.size());
    int ms = static_cast<int>(data / 2 * 1000 / 22050);
    EXPECT_TRUE(ms >= wave.min_ms && ms <= wave.max_ms) << ms << " ms";
    // The game waits for its own sounds whole.
    EXPECT_LE(ms, machine::LongestWaitMs(wave.name) / 2);
    // Silent at both ends, so starting or cutting a sound does not click.
    auto sample = [&](size_t i) { return static_cast<int16_t>(U16(b, 44 + 2 * i)); };
    EXPECT_TRUE(std::abs(sample(0)) < 500 && std::abs(sample(data / 2 - 1)) < 500);
    int peak = 0;
    for (size_t i = 0; i < data / 2; ++i) peak = std::max(peak, std::abs(int(sample(i))));
    EXPECT_GT(peak, 8000) << "too quiet to hear";
  }
}

TEST(Assets, BuiltinPicturesHaveTheirSizes) {
  const ArtFile pictures[] = {
      {"SpinBtn", 124, 72, 8},    {"StopBtn", 124, 72, 8},    {"Logo", 142, 132, 8},
      {"Options", 62, 20, 8},     {"DigitsSmall", 188, 21, 8}, {"GreenSmall", 188, 21, 8},
      {"DigitsLarge", 376, 42, 8}, {"GreenLarge", 376, 42, 8}, {"PlusMinus", 62, 31, 8},
      {"PlusSmall", 30, 15, 8},   {"Bonus", 32, 96, 8},       {"Bar", 64, 32, 8}};
  for (const ArtFile& p : pictures) {
    SCOPED_TRACE(p.name);
    Bitmap picture = Builtin(p.name);
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), p.width);
    EXPECT_EQ(picture.Height(), p.height);
    if (std::string(p.name) != "Options") {
      EXPECT_EQ(picture.Pixel(0, 0), platform::kBlack);
    }
  }
  EXPECT_EQ(view::BuiltinPicture("Backsm"), nullptr);
  EXPECT_EQ(view::BuiltinPicture(""), nullptr);
}

// Lit segments outnumber dark ones in the right order: 8 has seven, 0 six, 7 three, 1 two.
TEST(Assets, DigitStripsHoldTheDigitsInOrder) {
  for (auto [name, g] : {std::pair{"DigitsSmall", 16}, std::pair{"GreenSmall", 16},
                         std::pair{"DigitsLarge", 32}, std::pair{"GreenLarge", 32}}) {
    Bitmap strip = Builtin(name);
    ASSERT_FALSE(strip.Empty()) << name;
    auto lit = [&, g = g](int digit) {
      return Mean(strip, digit * g, 0, g, strip.Height(), [](Color c) { return Brightest(c) > 160; });
    };
    EXPECT_GT(lit(8), lit(0)) << name;
    EXPECT_GT(lit(0), lit(7)) << name;
    EXPECT_GT(lit(7), lit(1)) << name;
    EXPECT_GT(lit(1), 0) << name;
  }
}

}  // namespace
