// Off-screen pictures held in memory. The window's back buffer, the artwork and the
// scratch pictures of the spin all are Bitmaps, so the same drawing code runs in the
// real window and in headless tests.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/geometry.h"

namespace platform {

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Color fill = kBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  Color Pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  void SetPixel(int x, int y, Color c) { pixels_[static_cast<size_t>(y) * width_ + x] = c; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }

  // The same picture drawn at `scale` (2 or 3) times the size, for a window that shows
  // the machine larger; nothing when there is none. A twin of the wrong size is refused.
  const Bitmap* Twin(int scale) const;
  bool SetTwin(int scale, Bitmap twin);
  void DropTwins() { twins_ = {}, reduced_ = nullptr; }
  // The picture as a window smaller than the machine's own size drew it (a block grabbed
  // from the screen there), so that it goes back pixel for pixel; nothing when there is none.
  const Bitmap* ReducedTwin() const { return reduced_.get(); }
  void SetReducedTwin(Bitmap twin) { reduced_ = std::make_shared<const Bitmap>(std::move(twin)); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
  std::array<std::shared_ptr<const Bitmap>, 2> twins_;
  std::shared_ptr<const Bitmap> reduced_;
};

// How a copied pixel meets the one it lands on: the card table lays its cards
// through a mask (AND) and then the picture (OR), so the rounded corners stay green.
enum class RasterOp { Copy, And, Or };

// Copies a w x h block from src at (sx, sy) to dst at (dx, dy), clipped to both.
void Blit(Bitmap& dst, int dx, int dy, const Bitmap& src, int sx, int sy, int w, int h,
          RasterOp op = RasterOp::Copy);

// Copies src's block (sx, sy, sw, sh) scaled to (dx, dy, dw, dh), nearest pixel.
void StretchBlit(Bitmap& dst, int dx, int dy, int dw, int dh, const Bitmap& src, int sx, int sy,
                 int sw, int sh);

void FillRect(Bitmap& dst, int x, int y, int w, int h, Color c);

// A rectangle outlined in c whose inside gets a transparent diagonal cross-hatch in c:
// what lies under it stays visible between the hatch lines.
void HatchRect(Bitmap& dst, int x, int y, int w, int h, Color c);

}  // namespace platform
