#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <string>
#include <vector>

#include "platform/fltk/fltk_parts.h"

namespace platform::fltk {

namespace {

// Text is drawn white on black into a small off-screen picture, read back, and laid
// onto the canvas with the grey levels as coverage: anti-aliased text of any colour
// on a transparent background.
class FltkText : public TextRenderer {
 public:
  void Draw(Bitmap& dst, int x, int y, std::string_view text, int points, Color color,
            bool bold) override {
    std::string s(text);
    Use(points, bold);
    int w = static_cast<int>(fl_width(s.c_str())) + 2;
    int h = fl_height() + 1;
    if (w <= 0 || h <= 0) return;
    Window saved = fl_window;
    if (!fl_window) fl_window = RootWindow(fl_display, fl_screen);
    Fl_Offscreen off = fl_create_offscreen(w, h);
    fl_begin_offscreen(off);
    fl_color(FL_BLACK);
    fl_rectf(0, 0, w, h);
    fl_color(FL_WHITE);
    Use(points, bold);
    fl_draw(s.c_str(), 0, fl_height() - fl_descent());
    std::vector<uchar> pixels(static_cast<size_t>(w) * h * 3);
    fl_read_image(pixels.data(), 0, 0, w, h);
    fl_end_offscreen();
    fl_delete_offscreen(off);
    fl_window = saved;
    int cr = (color >> 16) & 255, cg = (color >> 8) & 255, cb = color & 255;
    for (int row = 0; row < h; ++row) {
      int ty = y + row;
      if (ty < 0 || ty >= dst.Height()) continue;
      for (int col = 0; col < w; ++col) {
        int tx = x + col;
        if (tx < 0 || tx >= dst.Width()) continue;
        const uchar* p = &pixels[(static_cast<size_t>(row) * w + col) * 3];
        int a = (p[0] + p[1] + p[2]) / 3;
        if (a == 0) continue;
        Color under = dst.Pixel(tx, ty);
        int ur = (under >> 16) & 255, ug = (under >> 8) & 255, ub = under & 255;
        dst.SetPixel(tx, ty, Rgb(ur + (cr - ur) * a / 255, ug + (cg - ug) * a / 255,
                                 ub + (cb - ub) * a / 255));
      }
    }
  }

  int Width(std::string_view text, int points, bool bold) override {
    std::string s(text);
    Use(points, bold);
    return static_cast<int>(fl_width(s.c_str()) + 0.5);
  }

  int Height(int points, bool bold) override {
    Use(points, bold);
    return fl_height();
  }

 private:
  void Use(int points, bool bold) { fl_font(bold ? FL_HELVETICA_BOLD : FL_HELVETICA, PointsToPixels(points)); }
};

}  // namespace

std::unique_ptr<TextRenderer> MakeTextRenderer() { return std::make_unique<FltkText>(); }

void DrawCanvas(const Canvas& canvas, int x, int y, int w, int h) {
  const Bitmap& px = canvas.Pixels();
  int x1 = std::min(x + w, px.Width()), y1 = std::min(y + h, px.Height());
  x = std::max(0, x), y = std::max(0, y);
  if (x1 <= x || y1 <= y) return;
  int bw = x1 - x, bh = y1 - y;
  static std::vector<uchar> rgb;
  rgb.resize(static_cast<size_t>(bw) * bh * 3);
  for (int row = 0; row < bh; ++row) {
    const uint32_t* src = px.Row(y + row) + x;
    uchar* out = &rgb[static_cast<size_t>(row) * bw * 3];
    for (int col = 0; col < bw; ++col) {
      out[3 * col] = (src[col] >> 16) & 255;
      out[3 * col + 1] = (src[col] >> 8) & 255;
      out[3 * col + 2] = src[col] & 255;
    }
  }
  fl_draw_image(rgb.data(), x, y, bw, bh, 3);
}

}  // namespace platform::fltk
