#include "platform/bitmap.h"

#include <algorithm>

namespace platform {

Bitmap::Bitmap(int width, int height, Color fill)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

const Bitmap* Bitmap::Twin(int scale) const {
  if (scale < 2 || scale > 3) return nullptr;
  return twins_[static_cast<size_t>(scale - 2)].get();
}

bool Bitmap::SetTwin(int scale, Bitmap twin) {
  if (scale < 2 || scale > 3 || twin.Width() != width_ * scale || twin.Height() != height_ * scale) return false;
  twins_[static_cast<size_t>(scale - 2)] = std::make_shared<const Bitmap>(std::move(twin));
  return true;
}

namespace {

// Trims a copy so that both the source and the destination blocks lie inside their pictures.
bool ClipCopy(const Bitmap& dst, int& dx, int& dy, const Bitmap& src, int& sx, int& sy, int& w,
              int& h) {
  if (sx < 0) { dx -= sx; w += sx; sx = 0; }
  if (sy < 0) { dy -= sy; h += sy; sy = 0; }
  if (dx < 0) { sx -= dx; w += dx; dx = 0; }
  if (dy < 0) { sy -= dy; h += dy; dy = 0; }
  w = std::min({w, src.Width() - sx, dst.Width() - dx});
  h = std::min({h, src.Height() - sy, dst.Height() - dy});
  return w > 0 && h > 0;
}

}  // namespace

void Blit(Bitmap& dst, int dx, int dy, const Bitmap& src, int sx, int sy, int w, int h,
          RasterOp op) {
  if (!ClipCopy(dst, dx, dy, src, sx, sy, w, h)) return;
  for (int row = 0; row < h; ++row) {
    const uint32_t* from = src.Row(sy + row) + sx;
    uint32_t* to = dst.Row(dy + row) + dx;
    switch (op) {
      case RasterOp::Copy: std::copy(from, from + w, to); break;
      case RasterOp::And: for (int i = 0; i < w; ++i) to[i] &= from[i]; break;
      case RasterOp::Or: for (int i = 0; i < w; ++i) to[i] |= from[i]; break;
    }
  }
}

void StretchBlit(Bitmap& dst, int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy,
                 int sw, int sh) {
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  for (int y = 0; y < dh; ++y) {
    int ty = dy + y;
    int fy = sy + y * sh / dh;
    if (ty < 0 || ty >= dst.Height() || fy < 0 || fy >= src.Height()) continue;
    for (int x = 0; x < dw; ++x) {
      int tx = dx + x;
      int fx = sx + x * sw / dw;
      if (tx < 0 || tx >= dst.Width() || fx < 0 || fx >= src.Width()) continue;
      dst.SetPixel(tx, ty, src.Pixel(fx, fy));
    }
  }
}

void FillRect(Bitmap& dst, int x, int y, int w, int h, Color c) {
  int x0 = std::max(0, x), y0 = std::max(0, y);
  int x1 = std::min(dst.Width(), x + w), y1 = std::min(dst.Height(), y + h);
  for (int row = y0; row < y1; ++row) std::fill(dst.Row(row) + x0, dst.Row(row) + std::max(x0, x1), c);
}

void HatchRect(Bitmap& dst, int x, int y, int w, int h, Color c) {
  int x0 = std::max(0, x), y0 = std::max(0, y);
  int x1 = std::min(dst.Width(), x + w), y1 = std::min(dst.Height(), y + h);
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) {
      bool edge = px == x || px == x + w - 1 || py == y || py == y + h - 1;
      // An 8-pixel brush anchored to the window, like a hatched brush: lines both ways.
      bool hatch = ((px + py) & 7) == 0 || ((px - py) & 7) == 0;
      if (edge || hatch) dst.SetPixel(px, py, c);
    }
  }
}

}  // namespace platform
