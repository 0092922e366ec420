// Shared pieces of the artwork generator: a Cairo drawing surface that turns into a
// game Bitmap, a few drawing helpers, the symbol painter and the colour reducer used
// for the 256-colour set.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace art {

// An RGB colour with components 0..1, handy for Cairo.
struct Rgb {
  double r, g, b;
};
Rgb Hex(uint32_t rrggbb);
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Lighter(Rgb c, double t);  // towards white
Rgb Darker(Rgb c, double t);   // towards black

// An image surface with its drawing context; painted opaque by the caller. A canvas of
// scale k is k times as large in pixels, and the caller draws on it in the same
// coordinates as at 1x, so the twins of a picture are the same drawing made sharper.
class Canvas {
 public:
  Canvas(int width, int height, int scale = 1);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  int Width() const { return width_; }  // in drawing coordinates
  int Height() const { return height_; }
  platform::Bitmap ToBitmap();            // scale times Width() by scale times Height()

 private:
  int width_, height_, scale_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Fill(cairo_t* cr, Rgb c);  // fills the whole clip
// Vertical gradient stops at 0 and 1.
void FillVertical(cairo_t* cr, Rgb top, Rgb bottom, double y0, double y1);
// A brushed chrome band across [y0, y1] (or [x0, x1] when vertical is false).
cairo_pattern_t* ChromePattern(double from, double to, bool vertical);
void SetChrome(cairo_t* cr, double from, double to, bool vertical);
// A soft white highlight: an ellipse at (cx, cy) with radii rx, ry.
void Sparkle(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);
// The logo's shield outline: a top rising to the middle, sides curving in to the tip.
void ShieldPath(cairo_t* cr, double x, double y, double w, double h);
// The logo's chrome shield (106 x 116 from x, y) with its blue field and faint rays.
void ShieldEmblem(cairo_t* cr, double x, double y, double chrome_height, double ray_alpha);
// Soft coloured light: a radial fade from c at the centre to nothing at radius.
void Glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha);

enum class Align { Left, Centre, Right };
struct Font {
  const char* face = "DejaVu Sans";
  double size = 12;
  bool bold = true;
  bool italic = false;
};
double TextWidth(cairo_t* cr, const Font& font, const std::string& text);
// Draws text with its baseline at y; x is the left, centre or right end.
void Text(cairo_t* cr, const Font& font, const std::string& text, double x, double y, Align align,
          Rgb c, double alpha = 1.0);
// Text vertically centred on cy (by the height of capital letters).
void TextMid(cairo_t* cr, const Font& font, const std::string& text, double x, double cy,
             Align align, Rgb c, double alpha = 1.0);
// Text with a dark outline and a soft shadow, for titles on busy grounds.
void OutlinedText(cairo_t* cr, const Font& font, const std::string& text, double x, double cy,
                  Align align, Rgb fill, Rgb outline, double outline_width);

// Paints symbol `code` (0..11) into the square (x, y, size), on whatever lies below.
void DrawSymbol(cairo_t* cr, int code, double x, double y, double size);
constexpr int kSymbols = 12;

// The line colours of the eight paylines, line 1 first.
Rgb LineColour(int line_index);

// Reduces a picture to at most `colours` colours (median cut), keeping the `keep`
// colours exact, so that an 8-bit file stores it without further loss.
platform::Bitmap Reduce(const platform::Bitmap& picture, int colours,
                        const std::vector<platform::Color>& keep = {platform::kWhite,
                                                                     platform::kBlack});

// ---- The pictures ----
constexpr int kSoundRate = 22050;

// Sizes are those at 1x; `scale` draws the picture that many times larger.
platform::Bitmap SymbolSheet(int cell, int scale = 1);   // 4 x 3 symbols of cell x cell
platform::Bitmap MotionStrip(int cell, int scale = 1);   // cell x 576, wrapping top to bottom
platform::Bitmap MachineFront(int cell, int scale = 1);  // 324 x 416 for cell 64, 498 x 610 for 96
platform::Bitmap ChaserLamps(int cell, bool lit, int scale = 1);
// frame x (4 * frame): left dark, lit, right dark, lit
platform::Bitmap SideLamps(int frame, int scale = 1);
platform::Bitmap ButtonFace(int width, int height, int scale = 1);
platform::Bitmap ArcadeButton(const char* word, bool green, int scale = 1);
platform::Bitmap Logo(int scale = 1);
platform::Bitmap DigitStrip(int size, bool green, int scale = 1);  // size 1 small, 2 large
platform::Bitmap PlusMinusKeys(int disc, int scale = 1);  // two discs of `disc` pixels
platform::Bitmap BonusIcons(int scale = 1);
platform::Bitmap BigBar(int scale = 1);
platform::Bitmap PayChart(int scale = 1);

struct Sound {
  std::string file;
  std::vector<int16_t> samples;  // mono, kSoundRate per second
};
std::vector<Sound> Sounds();
std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples);

}  // namespace art
