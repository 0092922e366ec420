// How the machine's picture, drawn at its layout's own size, is shown in a window of
// another size: as large as fits with its proportions kept, centred, the rest black.
// The picture is composed at a whole-number scale at or above the fit (from pictures
// drawn at that size), then brought to the window's size with an area-averaging filter,
// so that nothing is ever shown larger than it was drawn. The game's own coordinates
// never change: the fit lives here, in the drawing and in the mapping of clicks.
#pragma once

#include "platform/bitmap.h"

namespace platform {

// The largest whole-number scale the pictures are drawn at.
constexpr int kLargestComposeScale = 3;

struct PictureFit {
  int layout_w = 0, layout_h = 0;  // the layout's own size
  int window_w = 0, window_h = 0;
  double scale = 1;                // window pixels per layout pixel
  int left = 0, top = 0;           // the picture's top left in the window
  int shown_w = 0, shown_h = 0;    // the picture's size in the window

  // The whole-number scale at or above the fit (1 to 3) the picture is composed at.
  int ComposeScale() const;
  // Shown pixel for pixel: nothing to filter.
  bool OneToOne() const { return shown_w == layout_w && shown_h == layout_h; }
};

PictureFit FitPicture(int layout_w, int layout_h, int window_w, int window_h);

// The window's block that shows a block of the layout, its edges rounded outward so that
// every window pixel the block touches is drawn again.
void WindowBlockOf(const PictureFit& fit, int x, int y, int w, int h, int& wx, int& wy, int& ww, int& wh);

// The layout's point under a window pixel; false outside the picture.
bool LayoutPointOf(const PictureFit& fit, int wx, int wy, int& x, int& y);

// Makes `shown` the window's block (wx, wy, ww, wh) as it shows `composed` (the picture
// at `compose` times the layout's size), black outside the picture. Each window pixel is
// filtered from the composed pixels around its centre (bilinear: the compose scale is the
// whole number at or above the fit, so a window pixel never spans two composed ones).
void ShowComposed(const PictureFit& fit, const Bitmap& composed, int compose, int wx, int wy, int ww,
                  int wh, Bitmap& shown);

// Fills `block` from src's block (sx, sy, sw, sh) brought down: the block's pixel (i, j)
// shows the point ((i + 0.5) * per_x + off_x, (j + 0.5) * per_y + off_y) of src's block,
// filtered from the pixels around it; src's pixels outside its block never bleed in.
void ReduceBlock(Bitmap& block, const Bitmap& src, int sx, int sy, int sw, int sh, double per_x, double per_y,
                 double off_x, double off_y);

}  // namespace platform
