#include "platform/canvas.h"

#include <algorithm>

namespace platform {

Canvas::Canvas(int width, int height, TextRenderer* text)
    : width_(std::max(0, width)), height_(std::max(0, height)), pixels_(width, height), text_(text) {}

void Canvas::Resize(int width, int height) {
  Bitmap& old = scale_ > 1 ? composed_ : pixels_;
  Bitmap bigger(width * scale_, height * scale_);
  platform::Blit(bigger, 0, 0, old, 0, 0, old.Width(), old.Height());
  old = std::move(bigger);
  width_ = std::max(0, width), height_ = std::max(0, height);
}

void Canvas::SetComposeScale(int scale) {
  scale = std::clamp(scale, 1, 3);
  if (scale == scale_) return;
  Bitmap& from = scale_ > 1 ? composed_ : pixels_;
  Bitmap to(width_ * scale, height_ * scale);
  StretchBlit(to, 0, 0, to.Width(), to.Height(), from, 0, 0, from.Width(), from.Height());
  // One picture at a time: at 3x on a 4K screen the composed one alone is 28 MB.
  pixels_ = scale == 1 ? std::move(to) : Bitmap();
  composed_ = scale == 1 ? Bitmap() : std::move(to);
  scale_ = scale;
  Damage(0, 0, width_, height_);
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
  if (scale_ > 1) ComposeBlit(src, sx, sy, w, h, dx, dy, op);
  else platform::Blit(pixels_, dx, dy, src, sx, sy, w, h, op);
  Damage(dx, dy, w, h);
}

void Canvas::Fill(int x, int y, int w, int h, Color c) {
  if (scale_ > 1) FillRect(composed_, x * scale_, y * scale_, w * scale_, h * scale_, c);
  else FillRect(pixels_, x, y, w, h, c);
  Damage(x, y, w, h);
}

void Canvas::Hatch(int x, int y, int w, int h, Color c) {
  if (scale_ > 1) {
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
  if (scale_ > 1) text_->Draw(composed_, x * scale_, y * scale_, text, points * scale_, c, bold);
  else text_->Draw(pixels_, x, y, text, points, c, bold);
  Damage(x, y, text_->Width(text, points, bold), text_->Height(points, bold));
}

int Canvas::TextWidth(std::string_view text, int points, bool bold) { return ShownWidth(text, points, bold, false); }

int Canvas::TextHeight(int points, bool bold) { return text_ ? text_->Height(points, bold) : 0; }

// Composing at a larger scale, the block comes back as its twin (its own pixels
// black): drawn again, it is drawn from the twin.
Bitmap Canvas::Grab(int x, int y, int w, int h) {
  Bitmap out(w, h);
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
