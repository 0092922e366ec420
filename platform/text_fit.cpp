// Fitting a text to a box of fixed width by measuring it, face by face and size by size.
#include "platform/canvas.h"

namespace platform {

// Composing at a larger scale a text is drawn at that many times its points, and a face
// does not always grow in step with its size: it is measured as it is drawn.
int Canvas::ShownWidth(std::string_view text, int points, bool bold, bool condensed) {
  if (!text_) return 0;
  if (reduced_) {
    // Drawn at the size it is shown, measured back in the layout's pixels.
    const int p = DrawnPoints(points);
    const int w = condensed ? text_->CondensedWidth(text, p, bold) : text_->Width(text, p, bold);
    return static_cast<int>((static_cast<long>(w) * width_ + reduced_w_ - 1) / reduced_w_);
  }
  const int k = scale_;
  const int w = condensed ? text_->CondensedWidth(text, points * k, bold) : text_->Width(text, points * k, bold);
  return (w + k - 1) / k;
}

bool Canvas::AllFit(const std::vector<std::string_view>& texts, int points, int width, bool bold, bool condensed) {
  for (std::string_view t : texts)
    if (ShownWidth(t, points, bold, condensed) > width) return false;
  return true;
}

TextFit Canvas::FitText(const std::vector<std::string_view>& texts, int points, int width,
                        bool bold) {
  if (!text_) return {points, false};
  for (int p = points; p > kSmallestPoints; --p) {
    if (AllFit(texts, p, width, bold, false)) return {p, false};
    if (AllFit(texts, p, width, bold, true)) return {p, true};
  }
  return {kSmallestPoints, !AllFit(texts, kSmallestPoints, width, bold, false)};
}

int Canvas::TextWidth(std::string_view text, TextFit fit, bool bold) {
  return ShownWidth(text, fit.points, bold, fit.condensed);
}

void Canvas::FittedText(int x, int y, std::string_view text, TextFit fit, Color c, bool bold) {
  if (!fit.condensed) return Text(x, y, text, fit.points, c, bold);
  if (!text_ || text.empty()) return;
  if (reduced_)
    text_->DrawCondensed(composed_, ReducedX(x), ReducedY(y), text, DrawnPoints(fit.points), c, bold);
  else if (scale_ > 1)
    text_->DrawCondensed(composed_, x * scale_, y * scale_, text, fit.points * scale_, c, bold);
  else text_->DrawCondensed(pixels_, x, y, text, fit.points, c, bold);
  Damage(x, y, ShownWidth(text, fit.points, bold, true), TextHeight(fit.points, bold));
}

}  // namespace platform
