#include "view/layout.h"

namespace view {

namespace {
int Col(int w) { return w % 3; }
int Row(int w) { return w / 3; }
}  // namespace

Layout MakeLayout(int width, const Artwork& art, const Pictures& p) {
  Layout l;
  l.width = width;
  l.background_w = art.BackgroundImage.Width();
  l.background_h = art.BackgroundImage.Height();
  l.origin_x = (width - l.background_w) / 2;
  l.origin_y = width < rules::kMediumArtworkWidth ? 0 : (l.Large() ? 2 : 50);

  const int right = l.Right();
  const int bottom = l.origin_y + l.background_h;
  const int middle = right + (width - right) / 2;
  const int bw = p.SpinBtn.Width(), bh = p.SpinBtn.Height();
  l.stop = {middle - bw / 2, bottom - bh, middle - bw / 2 + bw, bottom};
  l.spin.left = l.stop.left;
  l.spin.right = l.stop.right;
  l.spin.bottom = l.stop.top - 10;
  l.spin.top = l.spin.bottom - p.StopBtn.Height();

  const WidthClass wc = l.Class();
  const int half = wc == WidthClass::Large ? 31 : 15;
  const int lines_left = right + (wc == WidthClass::Small ? 36 : wc == WidthClass::Medium ? 48 : 39);
  const int top = wc == WidthClass::Large ? 36 : 32;
  l.lines_plus = {lines_left, top, lines_left + half, top + half};
  const int coins_left = lines_left + (wc == WidthClass::Small ? 75 : wc == WidthClass::Medium ? 121 : 125);
  l.coins_plus = {coins_left, top, coins_left + half, top + half};

  l.logo = {(l.origin_x - p.Logo.Width()) / 2, l.stop.bottom - p.Logo.Height()};
  return l;
}

platform::Rect MinusKeyOf(const platform::Rect& plus) {
  int left = plus.right + 5;
  return {left, plus.top, left + plus.Width(), plus.bottom};
}

std::optional<machine::Button> ButtonAt(const Layout& l, int x, int y) {
  using machine::Button;
  if (l.stop.Contains(x, y)) return Button::Stop;
  if (l.spin.Contains(x, y)) return Button::Spin;
  if (l.lines_plus.Contains(x, y)) return Button::LinesUp;
  if (MinusKeyOf(l.lines_plus).Contains(x, y)) return Button::LinesDown;
  if (l.coins_plus.Contains(x, y)) return Button::CoinsUp;
  if (MinusKeyOf(l.coins_plus).Contains(x, y)) return Button::CoinsDown;
  return std::nullopt;
}

Box SymbolSquare(const Layout& l, int w) {
  if (l.Large()) return {l.origin_x + 79 + 124 * Col(w), l.origin_y + 94 + 173 * Row(w), 96, 96};
  return {l.origin_x + 49 + 81 * Col(w), l.origin_y + 59 + 112 * Row(w), 64, 64};
}

Box WheelWindow(const Layout& l, int w) {
  if (l.Large()) return {l.origin_x + 75 + 124 * Col(w), l.origin_y + 70 + 173 * Row(w), 99, 150};
  return {l.origin_x + 49 + 81 * Col(w), l.origin_y + 45 + 112 * Row(w), 64, 97};
}

Box MotionWindow(const Layout& l, int w) {
  if (l.Large()) return {l.origin_x + 79 + 124 * Col(w), l.origin_y + 70 + 173 * Row(w), 96, 150};
  return {l.origin_x + 49 + 81 * Col(w), l.origin_y + 45 + 112 * Row(w), 64, 97};
}

Box BounceArea(const Layout& l, int w) {
  if (l.Large()) return {l.origin_x + 79 + 124 * Col(w), l.origin_y + 90 + 173 * Row(w), 96, 104};
  return {l.origin_x + 45 + 81 * Col(w), l.origin_y + 59 + 112 * Row(w), 64, 72};
}

Point FreeSpinsCounterAt(const Layout& l) {
  const WidthClass wc = l.Class();
  return {10, wc == WidthClass::Small ? 196 : wc == WidthClass::Medium ? 230 : 300};
}

int FreeSpinsPoints(const Layout& l) {
  const WidthClass wc = l.Class();
  return wc == WidthClass::Small ? 8 : wc == WidthClass::Medium ? 12 : 14;
}

}  // namespace view
