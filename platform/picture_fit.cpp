#include "platform/picture_fit.h"

#include <algorithm>
#include <cmath>

namespace platform {

int PictureFit::ComposeScale() const {
  return std::clamp(static_cast<int>(std::ceil(scale - 1e-9)), 1, kLargestComposeScale);
}

PictureFit FitPicture(int layout_w, int layout_h, int window_w, int window_h) {
  PictureFit f;
  f.layout_w = layout_w, f.layout_h = layout_h;
  f.window_w = window_w, f.window_h = window_h;
  if (layout_w <= 0 || layout_h <= 0 || window_w <= 0 || window_h <= 0) return f;
  f.scale = std::min(static_cast<double>(window_w) / layout_w, static_cast<double>(window_h) / layout_h);
  f.shown_w = std::min(window_w, static_cast<int>(std::lround(layout_w * f.scale)));
  f.shown_h = std::min(window_h, static_cast<int>(std::lround(layout_h * f.scale)));
  f.left = (window_w - f.shown_w) / 2;
  f.top = (window_h - f.shown_h) / 2;
  return f;
}

void WindowBlockOf(const PictureFit& f, int x, int y, int w, int h, int& wx, int& wy, int& ww, int& wh) {
  double sx = static_cast<double>(f.shown_w) / f.layout_w, sy = static_cast<double>(f.shown_h) / f.layout_h;
  int x0 = f.left + static_cast<int>(std::floor(x * sx)), y0 = f.top + static_cast<int>(std::floor(y * sy));
  int x1 = f.left + static_cast<int>(std::ceil((x + w) * sx));
  int y1 = f.top + static_cast<int>(std::ceil((y + h) * sy));
  wx = x0, wy = y0, ww = x1 - x0, wh = y1 - y0;
}

bool LayoutPointOf(const PictureFit& f, int wx, int wy, int& x, int& y) {
  if (wx < f.left || wy < f.top || wx >= f.left + f.shown_w || wy >= f.top + f.shown_h) return false;
  // The pixel's centre, so that each window pixel maps to the layout pixel under it.
  x = static_cast<int>((wx - f.left + 0.5) * f.layout_w / f.shown_w);
  y = static_cast<int>((wy - f.top + 0.5) * f.layout_h / f.shown_h);
  x = std::min(x, f.layout_w - 1), y = std::min(y, f.layout_h - 1);
  return true;
}

namespace {

// The composed pixels one window pixel covers along an axis, with their weights in
// 1/256ths of the pixel's area (summing to 256).
struct Span {
  int first = 0;
  int count = 0;  // 0: outside the picture
  uint16_t weight[4] = {};
};

std::vector<Span> SpansOf(int window_from, int window_count, int shown_from, int shown, int composed) {
  std::vector<Span> spans(static_cast<size_t>(window_count));
  // Composed pixels per window pixel: below 4 whenever the compose scale is the fit's
  // whole number above it; farther down (a tiny window) the span keeps its first pixels.
  double ratio = static_cast<double>(composed) / shown;
  for (int i = 0; i < window_count; ++i) {
    int p = window_from + i - shown_from;
    if (p < 0 || p >= shown) continue;
    double a = p * ratio, b = std::min<double>(composed, (p + 1) * ratio);
    Span& s = spans[static_cast<size_t>(i)];
    s.first = static_cast<int>(a);
    int last = std::min(composed - 1, static_cast<int>(std::ceil(b)) - 1);
    s.count = std::clamp(last - s.first + 1, 1, 4);
    int total = 0;
    for (int k = 0; k < s.count; ++k) {
      double lo = std::max(a, static_cast<double>(s.first + k)), hi = std::min(b, s.first + k + 1.0);
      s.weight[k] = static_cast<uint16_t>(std::lround(std::max(0.0, hi - lo) / (b - a) * 256));
      total += s.weight[k];
    }
    s.weight[0] = static_cast<uint16_t>(s.weight[0] + 256 - total);  // rounding lands on the first
  }
  return spans;
}

}  // namespace

void ShowComposed(const PictureFit& f, const Bitmap& composed, int compose, int wx, int wy, int ww, int wh,
                  std::vector<uint8_t>& rgb) {
  rgb.assign(static_cast<size_t>(std::max(0, ww)) * std::max(0, wh) * 3, 0);
  if (ww <= 0 || wh <= 0) return;
  int cw = std::min(composed.Width(), f.layout_w * compose), ch = std::min(composed.Height(), f.layout_h * compose);
  std::vector<Span> cols = SpansOf(wx, ww, f.left, f.shown_w, cw);
  std::vector<Span> rows = SpansOf(wy, wh, f.top, f.shown_h, ch);
  for (int j = 0; j < wh; ++j) {
    const Span& r = rows[static_cast<size_t>(j)];
    if (r.count == 0) continue;
    uint8_t* out = &rgb[static_cast<size_t>(j) * ww * 3];
    for (int i = 0; i < ww; ++i) {
      const Span& c = cols[static_cast<size_t>(i)];
      if (c.count == 0) continue;
      uint32_t red = 0, green = 0, blue = 0;
      for (int v = 0; v < r.count; ++v) {
        const uint32_t* src = composed.Row(r.first + v) + c.first;
        uint32_t rr = 0, gg = 0, bb = 0;
        for (int u = 0; u < c.count; ++u) {
          uint32_t px = src[u], w = c.weight[u];
          rr += ((px >> 16) & 255) * w, gg += ((px >> 8) & 255) * w, bb += (px & 255) * w;
        }
        uint32_t wv = r.weight[v];
        red += rr * wv, green += gg * wv, blue += bb * wv;
      }
      out[3 * i] = static_cast<uint8_t>((red + 32768) >> 16);
      out[3 * i + 1] = static_cast<uint8_t>((green + 32768) >> 16);
      out[3 * i + 2] = static_cast<uint8_t>((blue + 32768) >> 16);
    }
  }
}

}  // namespace platform
