// Fitting a text to a box of fixed width by measuring it, face by face and size by size.
#include "platform/canvas.h"

namespace platform {

namespace {

bool AllFit(TextRenderer& r, const std::vector<std::string_view>& texts, int points, int width,
            bool bold, bool condensed) {
  for (std::string_view t : texts) {
    int w = condensed ? r.CondensedWidth(t, points, bold) : r.Width(t, points, bold);
    if (w > width) return false;
  }
  return true;
}

}  // namespace

TextFit Canvas::FitText(const std::vector<std::string_view>& texts, int points, int width,
                        bool bold) {
  if (!text_) return {points, false};
  for (int p = points; p > kSmallestPoints; --p) {
    if (AllFit(*text_, texts, p, width, bold, false)) return {p, false};
    if (AllFit(*text_, texts, p, width, bold, true)) return {p, true};
  }
  return {kSmallestPoints, !AllFit(*text_, texts, kSmallestPoints, width, bold, false)};
}

int Canvas::TextWidth(std::string_view text, TextFit fit, bool bold) {
  if (!text_) return 0;
  return fit.condensed ? text_->CondensedWidth(text, fit.points, bold) : text_->Width(text, fit.points, bold);
}

void Canvas::FittedText(int x, int y, std::string_view text, TextFit fit, Color c, bool bold) {
  if (!fit.condensed) return Text(x, y, text, fit.points, c, bold);
  if (!text_ || text.empty()) return;
  if (scale_ > 1) text_->DrawCondensed(composed_, x * scale_, y * scale_, text, fit.points * scale_, c, bold);
  else text_->DrawCondensed(pixels_, x, y, text, fit.points, c, bold);
  Damage(x, y, text_->CondensedWidth(text, fit.points, bold), text_->Height(fit.points, bold));
}

}  // namespace platform
