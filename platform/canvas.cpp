#include "platform/canvas.h"

#include <algorithm>

namespace platform {

Canvas::Canvas(int width, int height, TextRenderer* text) : pixels_(width, height), text_(text) {}

void Canvas::Resize(int width, int height) {
  Bitmap bigger(width, height);
  platform::Blit(bigger, 0, 0, pixels_, 0, 0, pixels_.Width(), pixels_.Height());
  pixels_ = std::move(bigger);
  if (scale_ > 1) SetComposeScale(scale_);
}

void Canvas::SetComposeScale(int scale) {
  scale_ = std::clamp(scale, 1, 3);
  if (scale_ == 1) {
    composed_ = Bitmap();
    return;
  }
  Bitmap composed(Width() * scale_, Height() * scale_);
  StretchBlit(composed, 0, 0, composed.Width(), composed.Height(), pixels_, 0, 0, Width(), Height());
  composed_ = std::move(composed);
  Damage(0, 0, Width(), Height());
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
  platform::Blit(pixels_, dx, dy, src, sx, sy, w, h, op);
  if (scale_ > 1) ComposeBlit(src, sx, sy, w, h, dx, dy, op);
  Damage(dx, dy, w, h);
}

void Canvas::Fill(int x, int y, int w, int h, Color c) {
  FillRect(pixels_, x, y, w, h, c);
  if (scale_ > 1) FillRect(composed_, x * scale_, y * scale_, w * scale_, h * scale_, c);
  Damage(x, y, w, h);
}

void Canvas::Hatch(int x, int y, int w, int h, Color c) {
  HatchRect(pixels_, x, y, w, h, c);
  if (scale_ > 1) {
    // The hatch's lines are enlarged with it; what lies between them is left be.
    Bitmap mask(w, h, kWhite), lines(w, h, kBlack);
    HatchRect(mask, 0, 0, w, h, kBlack);
    HatchRect(lines, 0, 0, w, h, c);
    ComposeBlit(mask, 0, 0, w, h, x, y, RasterOp::And);
    ComposeBlit(lines, 0, 0, w, h, x, y, RasterOp::Or);
  }
  Damage(x, y, w, h);
}

void Canvas::Text(int x, int y, std::string_view text, int points, Color c, bool bold) {
  if (!text_ || text.empty()) return;
  text_->Draw(pixels_, x, y, text, points, c, bold);
  if (scale_ > 1) text_->Draw(composed_, x * scale_, y * scale_, text, points * scale_, c, bold);
  Damage(x, y, text_->Width(text, points, bold), text_->Height(points, bold));
}

int Canvas::TextWidth(std::string_view text, int points, bool bold) {
  return text_ ? text_->Width(text, points, bold) : 0;
}

int Canvas::TextHeight(int points, bool bold) { return text_ ? text_->Height(points, bold) : 0; }

Bitmap Canvas::Grab(int x, int y, int w, int h) {
  Bitmap out(w, h);
  platform::Blit(out, 0, 0, pixels_, x, y, w, h);
  if (scale_ > 1) {
    Bitmap twin(w * scale_, h * scale_);
    platform::Blit(twin, 0, 0, composed_, x * scale_, y * scale_, w * scale_, h * scale_);
    out.SetTwin(scale_, std::move(twin));
  }
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
