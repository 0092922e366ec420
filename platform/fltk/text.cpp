#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/fltk/fltk_parts.h"

namespace platform::fltk {

namespace {

// The window's sans-serif face is wider than the one the layout was made for; where a
// box is fixed, the same family's condensed face lets a caption keep its size.
Fl_Font Face(bool bold, bool condensed) {
  static const bool registered = [] {
    Fl::set_font(FL_FREE_FONT, " DejaVu Sans Condensed");
    Fl::set_font(static_cast<Fl_Font>(FL_FREE_FONT + 1), "BDejaVu Sans Condensed");
    return true;
  }();
  (void)registered;
  if (condensed) return static_cast<Fl_Font>(FL_FREE_FONT + (bold ? 1 : 0));
  return bold ? FL_HELVETICA_BOLD : FL_HELVETICA;
}

// Text is drawn white on black into a small off-screen picture, read back, and laid
// onto the canvas with the grey levels as coverage: anti-aliased text of any colour
// on a transparent background.
class FltkText : public TextRenderer {
 public:
  void Draw(Bitmap& dst, int x, int y, std::string_view text, int points, Color color,
            bool bold) override {
    Lay(dst, x, y, Render(CutToLine(text), points, bold, false), color);
  }

  void DrawCondensed(Bitmap& dst, int x, int y, std::string_view text, int points, Color color,
                     bool bold) override {
    Lay(dst, x, y, Render(CutToLine(text), points, bold, true), color);
  }

  int Width(std::string_view text, int points, bool bold) override {
    return Measure(text, points, bold, false);
  }

  int CondensedWidth(std::string_view text, int points, bool bold) override {
    return Measure(text, points, bold, true);
  }

  int Height(int points, bool bold) override {
    Use(points, bold, false);
    return fl_height();
  }

 private:
  struct Coverage {
    int w = 0, h = 0;
    std::vector<uchar> alpha;
  };

  int Measure(std::string_view text, int points, bool bold, bool condensed) {
    std::string s = CutToLine(text);
    Use(points, bold, condensed);
    return static_cast<int>(std::lround(fl_width(s.c_str())));
  }

  static void Lay(Bitmap& dst, int x, int y, const Coverage& cover, Color color) {
    int cr = (color >> 16) & 255, cg = (color >> 8) & 255, cb = color & 255;
    for (int row = 0; row < cover.h; ++row) {
      int ty = y + row;
      if (ty < 0 || ty >= dst.Height()) continue;
      for (int col = 0; col < cover.w; ++col) {
        int tx = x + col;
        int a = cover.alpha[static_cast<size_t>(row) * cover.w + col];
        if (a == 0 || tx < 0 || tx >= dst.Width()) continue;
        Color under = dst.Pixel(tx, ty);
        int ur = (under >> 16) & 255, ug = (under >> 8) & 255, ub = under & 255;
        dst.SetPixel(tx, ty, Rgb(ur + (cr - ur) * a / 255, ug + (cg - ug) * a / 255,
                                 ub + (cb - ub) * a / 255));
      }
    }
  }

  // The grey levels of a text drawn white on black; kept, since the same labels and
  // captions are drawn again at every paint.
  const Coverage& Render(const std::string& s, int points, bool bold, bool condensed) {
    auto key = std::make_tuple(s, points, bold, condensed);
    auto found = cache_.find(key);
    if (found != cache_.end()) return found->second;
    Coverage cover;
    Use(points, bold, condensed);
    cover.w = static_cast<int>(fl_width(s.c_str())) + 2;
    cover.h = fl_height() + 1;
    // The root window names the screen for the picture: unlike the last window drawn
    // (a message box, say), it is never gone.
    Window saved = fl_window;
    fl_window = RootWindow(fl_display, fl_screen);
    Fl_Offscreen off = fl_create_offscreen(cover.w, cover.h);
    fl_begin_offscreen(off);
    fl_color(FL_BLACK);
    fl_rectf(0, 0, cover.w, cover.h);
    fl_color(FL_WHITE);
    Use(points, bold, condensed);
    fl_draw(s.c_str(), 0, fl_height() - fl_descent());
    std::vector<uchar> pixels(static_cast<size_t>(cover.w) * cover.h * 3);
    fl_read_image(pixels.data(), 0, 0, cover.w, cover.h);
    fl_end_offscreen();
    fl_delete_offscreen(off);
    fl_window = saved;
    cover.alpha.resize(static_cast<size_t>(cover.w) * cover.h);
    for (size_t i = 0; i < cover.alpha.size(); ++i)
      cover.alpha[i] = static_cast<uchar>((pixels[3 * i] + pixels[3 * i + 1] + pixels[3 * i + 2]) / 3);
    if (cache_.size() > 512) cache_.clear();  // run-time texts (the free-spin count) stay few
    return cache_.emplace(key, std::move(cover)).first->second;
  }

  void Use(int points, bool bold, bool condensed) {
    fl_font(Face(bold, condensed), PointsToPixels(points));
  }

  std::map<std::tuple<std::string, int, bool, bool>, Coverage> cache_;
};

}  // namespace

std::unique_ptr<TextRenderer> MakeTextRenderer() { return std::make_unique<FltkText>(); }

std::string CutToLine(std::string_view text) {
  if (text.size() <= kMaxLineBytes) return std::string(text);
  size_t end = kMaxLineBytes;
  // Back to the first byte of a character: continuation bytes are 10xxxxxx.
  for (int back = 0; back < 3 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80; ++back) --end;
  return std::string(text.substr(0, end));
}

std::string PlainLabel(std::string_view text) {
  std::string out;
  for (char c : CutToLine(text)) {
    if (c == '@' || c == '&') out += c;
    out += c;
  }
  return out;
}

std::string ShownLabel(const char* label) {
  std::string out;
  for (const char* p = label; p && *p; ++p) {
    if (*p == '&' && p[1]) ++p;  // "&x" underlines x; "&&" shows one '&'
    out += *p;
  }
  return out;
}

void FitLabel(Fl_Widget& widget, int pixels, bool bold, int room) {
  // Spaces that pad a figure to its column are never seen: only the rest must fit.
  std::string shown = ShownLabel(widget.label());
  shown.erase(0, std::min(shown.find_first_not_of(' '), shown.size()));
  shown.erase(shown.find_last_not_of(' ') + 1);
  const int smallest = PointsToPixels(kSmallestPoints);
  bool condensed = false;
  for (; pixels > smallest; --pixels) {
    condensed = false;
    fl_font(Face(bold, false), pixels);
    if (fl_width(shown.c_str()) <= room) break;
    condensed = true;
    fl_font(Face(bold, true), pixels);
    if (fl_width(shown.c_str()) <= room) break;
  }
  widget.labelfont(Face(bold, condensed));
  widget.labelsize(pixels);
}

namespace {

// Whether the display takes our pixels (0xRRGGBB in 32 bits, low byte first) as they are.
bool DisplayTakesOurPixels() {
  static const bool takes = [] {
    if (!fl_visual || fl_visual->c_class != TrueColor || fl_visual->depth < 24) return false;
    if (fl_visual->red_mask != 0xFF0000 || fl_visual->green_mask != 0xFF00 || fl_visual->blue_mask != 0xFF)
      return false;
    if (ImageByteOrder(fl_display) != LSBFirst) return false;
    int count = 0;
    bool thirty_two = false;
    if (XPixmapFormatValues* formats = XListPixmapFormats(fl_display, &count)) {
      for (int i = 0; i < count; ++i)
        if (formats[i].depth == fl_visual->depth) thirty_two = formats[i].bits_per_pixel == 32;
      XFree(formats);
    }
    return thirty_two;
  }();
  return takes;
}

}  // namespace

void ShowPixels(const Bitmap& px, int sx, int sy, int dx, int dy, int w, int h) {
  if (w <= 0 || h <= 0) return;
  if (DisplayTakesOurPixels()) {
    // Straight from our memory to the window: no conversion on the way.
    XImage image{};
    image.width = px.Width();
    image.height = px.Height();
    image.format = ZPixmap;
    image.data = reinterpret_cast<char*>(const_cast<uint32_t*>(px.Row(0)));
    image.byte_order = LSBFirst;
    image.bitmap_unit = 32;
    image.bitmap_bit_order = LSBFirst;
    image.bitmap_pad = 32;
    image.depth = fl_visual->depth;
    image.bytes_per_line = px.Width() * 4;
    image.bits_per_pixel = 32;
    image.red_mask = 0xFF0000, image.green_mask = 0xFF00, image.blue_mask = 0xFF;
    if (XInitImage(&image)) {
      XPutImage(fl_display, fl_window, fl_gc, &image, sx, sy, dx, dy, static_cast<unsigned>(w),
                static_cast<unsigned>(h));
      return;
    }
  }
  static std::vector<uchar> rgb;
  rgb.resize(static_cast<size_t>(w) * h * 3);
  for (int row = 0; row < h; ++row) {
    const uint32_t* src = px.Row(sy + row) + sx;
    uchar* out = &rgb[static_cast<size_t>(row) * w * 3];
    for (size_t col = 0; col < static_cast<size_t>(w); ++col) {
      out[3 * col] = (src[col] >> 16) & 255;
      out[3 * col + 1] = (src[col] >> 8) & 255;
      out[3 * col + 2] = src[col] & 255;
    }
  }
  fl_draw_image(rgb.data(), dx, dy, w, h, 3);
}

void DrawCanvas(const Canvas& canvas, int x, int y, int w, int h) {
  const Bitmap& px = canvas.Pixels();
  int x1 = std::min(x + w, px.Width()), y1 = std::min(y + h, px.Height());
  x = std::max(0, x), y = std::max(0, y);
  if (x1 <= x || y1 <= y) return;
  ShowPixels(px, x, y, x, y, x1 - x, y1 - y);
}

}  // namespace platform::fltk
