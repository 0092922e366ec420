#include "platform/picture_fit.h"

#include <algorithm>
#include <cmath>

#include <pixman.h>

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

void ShowComposed(const PictureFit& f, const Bitmap& composed, int compose, int wx, int wy, int ww, int wh,
                  Bitmap& shown) {
  if (shown.Width() != ww || shown.Height() != wh) shown = Bitmap(ww, wh);
  else FillRect(shown, 0, 0, ww, wh, kBlack);
  // The part of the block the picture covers; the rest stays black.
  int x0 = std::max(wx, f.left), y0 = std::max(wy, f.top);
  int x1 = std::min(wx + ww, f.left + f.shown_w), y1 = std::min(wy + wh, f.top + f.shown_h);
  int cw = std::min(composed.Width(), f.layout_w * compose), ch = std::min(composed.Height(), f.layout_h * compose);
  if (x1 <= x0 || y1 <= y0 || cw <= 0 || ch <= 0) return;

  pixman_image_t* src = pixman_image_create_bits(PIXMAN_x8r8g8b8, cw, ch, const_cast<uint32_t*>(composed.Row(0)),
                                                 composed.Width() * 4);
  pixman_image_t* dst = pixman_image_create_bits(PIXMAN_x8r8g8b8, ww, wh, shown.Row(0), ww * 4);
  pixman_transform_t t;
  pixman_transform_init_scale(&t, pixman_double_to_fixed(static_cast<double>(cw) / f.shown_w),
                              pixman_double_to_fixed(static_cast<double>(ch) / f.shown_h));
  pixman_image_set_transform(src, &t);
  pixman_image_set_filter(src, PIXMAN_FILTER_BILINEAR, nullptr, 0);
  pixman_image_set_repeat(src, PIXMAN_REPEAT_PAD);  // the picture's edge pixels, not black, at its rim
  pixman_image_composite32(PIXMAN_OP_SRC, src, nullptr, dst, x0 - f.left, y0 - f.top, 0, 0, x0 - wx, y0 - wy,
                           x1 - x0, y1 - y0);
  pixman_image_unref(src);
  pixman_image_unref(dst);
}

void ReduceBlock(Bitmap& block, const Bitmap& src, int sx, int sy, int sw, int sh, double per_x, double per_y,
                 double off_x, double off_y) {
  // The source block clipped to its picture; what the clip took off moves the sampling.
  if (sx < 0) off_x += sx, sw += sx, sx = 0;
  if (sy < 0) off_y += sy, sh += sy, sy = 0;
  sw = std::min(sw, src.Width() - sx), sh = std::min(sh, src.Height() - sy);
  if (sw <= 0 || sh <= 0 || block.Empty()) return;
  // The block alone, so that the filter pads with its own edge and not its neighbours in a
  // sheet of pictures.
  pixman_image_t* from = pixman_image_create_bits(PIXMAN_x8r8g8b8, sw, sh, const_cast<uint32_t*>(src.Row(sy) + sx),
                                                  src.Width() * 4);
  pixman_image_t* to = pixman_image_create_bits(PIXMAN_x8r8g8b8, block.Width(), block.Height(), block.Row(0),
                                                block.Width() * 4);
  pixman_transform_t t;
  pixman_transform_init_identity(&t);
  t.matrix[0][0] = pixman_double_to_fixed(per_x), t.matrix[0][2] = pixman_double_to_fixed(off_x);
  t.matrix[1][1] = pixman_double_to_fixed(per_y), t.matrix[1][2] = pixman_double_to_fixed(off_y);
  pixman_image_set_transform(from, &t);
  pixman_image_set_filter(from, PIXMAN_FILTER_BILINEAR, nullptr, 0);
  pixman_image_set_repeat(from, PIXMAN_REPEAT_PAD);
  pixman_image_composite32(PIXMAN_OP_SRC, from, nullptr, to, 0, 0, 0, 0, 0, 0, block.Width(), block.Height());
  pixman_image_unref(from);
  pixman_image_unref(to);
}

}  // namespace platform
