#include "platform/canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/picture_fit.h"

namespace platform {

Canvas::Canvas(int width, int height, TextRenderer* text)
    : width_(std::max(0, width)), height_(std::max(0, height)), pixels_(width, height), text_(text) {}

void Canvas::Resize(int width, int height) {
  if (reduced_) SetComposeScale(1);
  Bitmap& old = scale_ > 1 ? composed_ : pixels_;
  Bitmap bigger(width * scale_, height * scale_);
  platform::Blit(bigger, 0, 0, old, 0, 0, old.Width(), old.Height());
  old = std::move(bigger);
  width_ = std::max(0, width), height_ = std::max(0, height);
}

void Canvas::SetComposeScale(int scale) {
  scale = std::clamp(scale, 1, 3);
  if (scale == scale_ && !reduced_) return;
  Bitmap& from = scale_ > 1 || reduced_ ? composed_ : pixels_;
  Bitmap to(width_ * scale, height_ * scale);
  StretchBlit(to, 0, 0, to.Width(), to.Height(), from, 0, 0, from.Width(), from.Height());
  // One picture at a time: at 3x on a 4K screen the composed one alone is 28 MB.
  pixels_ = scale == 1 ? std::move(to) : Bitmap();
  composed_ = scale == 1 ? Bitmap() : std::move(to);
  scale_ = scale;
  reduced_ = false;
  Damage(0, 0, width_, height_);
}

void Canvas::ComposeReduced(int w, int h) {
  w = std::clamp(w, 1, std::max(1, width_)), h = std::clamp(h, 1, std::max(1, height_));
  if (w == width_ && h == height_) return SetComposeScale(1);
  if (reduced_ && w == reduced_w_ && h == reduced_h_) return;
  const Bitmap& from = Composed();
  Bitmap to(w, h);
  ReduceBlock(to, from, 0, 0, from.Width(), from.Height(), static_cast<double>(from.Width()) / w,
              static_cast<double>(from.Height()) / h, 0, 0);
  pixels_ = Bitmap();
  composed_ = std::move(to);
  scale_ = 1;
  reduced_ = true, reduced_w_ = w, reduced_h_ = h;
  Damage(0, 0, width_, height_);
}

namespace {

// Rounds down, below zero too, so that a block half off the picture maps like the rest.
int FloorDiv(long a, long b) { return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b)); }

// The sizes at which an 800x600 screen shows the machine's texts: captions at 8 points,
// labels at 6/7 of the large machine's.
constexpr int kReadablePoints = 8;

}  // namespace

int Canvas::ReducedX(int x) const { return FloorDiv(static_cast<long>(x) * reduced_w_, width_); }
int Canvas::ReducedY(int y) const { return FloorDiv(static_cast<long>(y) * reduced_h_, height_); }

Canvas::Block Canvas::ReducedBlock(int x, int y, int w, int h) const {
  const int x0 = ReducedX(x), y0 = ReducedY(y);
  return {x0, y0, ReducedX(x + w) - x0, ReducedY(y + h) - y0};
}

int Canvas::DrawnPoints(int points) const {
  if (!reduced_) return points * scale_;
  const int floor = std::min(points, std::max(kReadablePoints, (6 * points + 6) / 7));
  const double shown = static_cast<double>(reduced_h_) / std::max(1, height_);
  return std::max(floor, static_cast<int>(std::lround(points * shown)));
}

void Canvas::ReducedBlit(const Bitmap& src, int sx, int sy, int w, int h, int dx, int dy, RasterOp op) {
  const Block to = ReducedBlock(dx, dy, w, h);
  if (to.w <= 0 || to.h <= 0) return;
  Bitmap block(to.w, to.h);
  const Bitmap* grabbed = src.ReducedTwin();
  if (grabbed && sx == 0 && sy == 0 && w == src.Width() && h == src.Height()) {
    // Put back where it was grabbed it is the same size; a row off, it is stretched by that row.
    StretchBlit(block, 0, 0, to.w, to.h, *grabbed, 0, 0, grabbed->Width(), grabbed->Height());
  } else {
    const double per_x = static_cast<double>(width_) / reduced_w_, per_y = static_cast<double>(height_) / reduced_h_;
    ReduceBlock(block, src, sx, sy, w, h, per_x, per_y, to.x * per_x - dx, to.y * per_y - dy);
  }
  platform::Blit(composed_, to.x, to.y, block, 0, 0, to.w, to.h, op);
}

void Canvas::ComposeBlit(const Bitmap& src, int sx, int sy, int w, int h, int dx, int dy, RasterOp op) {
  const int k = scale_;
  if (const Bitmap* twin = src.Twin(k)) {
    platform::Blit(composed_, dx * k, dy * k, *twin, sx * k, sy * k, w * k, h * k, op);
    return;
  }
  if (op == RasterOp::Copy) {
    StretchBlit(composed_, dx * k, dy * k, w * k, h * k, src, sx, sy, w, h);
    return;
  }
  // A mask or an overlay without a twin: enlarge its block first, then lay it on.
  Bitmap block(w * k, h * k);
  StretchBlit(block, 0, 0, w * k, h * k, src, sx, sy, w, h);
  platform::Blit(composed_, dx * k, dy * k, block, 0, 0, w * k, h * k, op);
}

void Canvas::Blit(const Bitmap& src, int sx, int sy, int w, int h, int dx, int dy, RasterOp op) {
  if (reduced_) ReducedBlit(src, sx, sy, w, h, dx, dy, op);
  else if (scale_ > 1) ComposeBlit(src, sx, sy, w, h, dx, dy, op);
  else platform::Blit(pixels_, dx, dy, src, sx, sy, w, h, op);
  Damage(dx, dy, w, h);
}

void Canvas::Fill(int x, int y, int w, int h, Color c) {
  if (reduced_) {
    const Block b = ReducedBlock(x, y, w, h);
    FillRect(composed_, b.x, b.y, b.w, b.h, c);
  } else if (scale_ > 1) FillRect(composed_, x * scale_, y * scale_, w * scale_, h * scale_, c);
  else FillRect(pixels_, x, y, w, h, c);
  Damage(x, y, w, h);
}

void Canvas::Hatch(int x, int y, int w, int h, Color c) {
  if (reduced_) {
    // Brought down, the hatch's lines would blur to grey: they are drawn at the window's size.
    const Block b = ReducedBlock(x, y, w, h);
    HatchRect(composed_, b.x, b.y, b.w, b.h, c);
  } else if (scale_ > 1) {
    // The hatch's lines are enlarged with it; what lies between them is left be.
    Bitmap mask(w, h, kWhite), lines(w, h, kBlack);
    HatchRect(mask, 0, 0, w, h, kBlack);
    HatchRect(lines, 0, 0, w, h, c);
    ComposeBlit(mask, 0, 0, w, h, x, y, RasterOp::And);
    ComposeBlit(lines, 0, 0, w, h, x, y, RasterOp::Or);
  } else {
    HatchRect(pixels_, x, y, w, h, c);
  }
  Damage(x, y, w, h);
}

void Canvas::Text(int x, int y, std::string_view text, int points, Color c, bool bold) {
  if (!text_ || text.empty()) return;
  if (reduced_) text_->Draw(composed_, ReducedX(x), ReducedY(y), text, DrawnPoints(points), c, bold);
  else if (scale_ > 1) text_->Draw(composed_, x * scale_, y * scale_, text, points * scale_, c, bold);
  else text_->Draw(pixels_, x, y, text, points, c, bold);
  Damage(x, y, ShownWidth(text, points, bold, false), TextHeight(points, bold));
}

int Canvas::TextWidth(std::string_view text, int points, bool bold) { return ShownWidth(text, points, bold, false); }

int Canvas::TextHeight(int points, bool bold) {
  if (!text_) return 0;
  if (!reduced_) return text_->Height(points, bold);
  // In the layout's pixels, as the text is drawn.
  return (text_->Height(DrawnPoints(points), bold) * height_ + reduced_h_ - 1) / reduced_h_;
}

// Composing at a larger scale, the block comes back as its twin (its own pixels
// black): drawn again, it is drawn from the twin.
Bitmap Canvas::Grab(int x, int y, int w, int h) {
  Bitmap out(w, h);
  if (reduced_) {
    const Block b = ReducedBlock(x, y, w, h);
    Bitmap twin(b.w, b.h);
    platform::Blit(twin, 0, 0, composed_, b.x, b.y, b.w, b.h);
    // Its own pixels enlarged from the twin, for a window resized before it goes back.
    ReduceBlock(out, twin, 0, 0, b.w, b.h, static_cast<double>(b.w) / w, static_cast<double>(b.h) / h, 0, 0);
    out.SetReducedTwin(std::move(twin));
    return out;
  }
  if (scale_ == 1) {
    platform::Blit(out, 0, 0, pixels_, x, y, w, h);
    return out;
  }
  Bitmap twin(w * scale_, h * scale_);
  platform::Blit(twin, 0, 0, composed_, x * scale_, y * scale_, w * scale_, h * scale_);
  out.SetTwin(scale_, std::move(twin));
  return out;
}

void Canvas::Hold() { ++hold_depth_; }

void Canvas::Release() {
  if (hold_depth_ == 0) return;
  if (--hold_depth_ == 0 && held_damage_) {
    held_damage_ = false;
    if (on_damage_) on_damage_(held_x0_, held_y0_, held_x1_ - held_x0_, held_y1_ - held_y0_);
  }
}

void Canvas::Damage(int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return;
  if (hold_depth_ > 0) {
    if (!held_damage_) {
      held_x0_ = x, held_y0_ = y, held_x1_ = x + w, held_y1_ = y + h;
      held_damage_ = true;
    } else {
      held_x0_ = std::min(held_x0_, x), held_y0_ = std::min(held_y0_, y);
      held_x1_ = std::max(held_x1_, x + w), held_y1_ = std::max(held_y1_, y + h);
    }
    return;
  }
  if (on_damage_) on_damage_(x, y, w, h);
}

}  // namespace platform
