#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <cmath>
#include <map>
#include <string>
#include <tuple>
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
    const Coverage& cover = Render(std::string(text), points, bold);
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

  int Width(std::string_view text, int points, bool bold) override {
    std::string s(text);
    Use(points, bold);
    return static_cast<int>(std::lround(fl_width(s.c_str())));
  }

  int Height(int points, bool bold) override {
    Use(points, bold);
    return fl_height();
  }

 private:
  struct Coverage {
    int w = 0, h = 0;
    std::vector<uchar> alpha;
  };

  // The grey levels of a text drawn white on black; kept, since the same labels and
  // captions are drawn again at every paint.
  const Coverage& Render(const std::string& s, int points, bool bold) {
    auto key = std::make_tuple(s, points, bold);
    auto found = cache_.find(key);
    if (found != cache_.end()) return found->second;
    Coverage cover;
    Use(points, bold);
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
    Use(points, bold);
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

  void Use(int points, bool bold) { fl_font(bold ? FL_HELVETICA_BOLD : FL_HELVETICA, PointsToPixels(points)); }

  std::map<std::tuple<std::string, int, bool>, Coverage> cache_;
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
    for (size_t col = 0; col < static_cast<size_t>(bw); ++col) {
      out[3 * col] = (src[col] >> 16) & 255;
      out[3 * col + 1] = (src[col] >> 8) & 255;
      out[3 * col + 2] = src[col] & 255;
    }
  }
  fl_draw_image(rgb.data(), x, y, bw, bh, 3);
}

}  // namespace platform::fltk
