#include "view/layout.h"

namespace view {

namespace {

// Where the first wheel's boxes stand, from the machine's top-left corner; each wheel to
// the right or below stands a pitch further on.
struct WheelPlaces {
  int pitch_x, pitch_y;
  Box symbol, window, motion, bounce;
};
constexpr WheelPlaces kSmallWheels{81, 112, {49, 59, 64, 64}, {49, 45, 64, 97}, {49, 45, 64, 97}, {45, 59, 64, 72}};
constexpr WheelPlaces kLargeWheels{124, 173, {79, 94, 96, 96}, {75, 70, 99, 150}, {79, 70, 96, 150}, {79, 90, 96, 104}};

Box WheelBox(const Layout& l, Box WheelPlaces::*which, int w) {
  const WheelPlaces& p = l.Large() ? kLargeWheels : kSmallWheels;
  const Box& first = p.*which;
  return {l.origin_x + first.x + p.pitch_x * (w % 3), l.origin_y + first.y + p.pitch_y * (w / 3), first.w, first.h};
}

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

Box SymbolSquare(const Layout& l, int w) { return WheelBox(l, &WheelPlaces::symbol, w); }
Box WheelWindow(const Layout& l, int w) { return WheelBox(l, &WheelPlaces::window, w); }
Box MotionWindow(const Layout& l, int w) { return WheelBox(l, &WheelPlaces::motion, w); }
Box BounceArea(const Layout& l, int w) { return WheelBox(l, &WheelPlaces::bounce, w); }

Point FreeSpinsCounterAt(const Layout& l) {
  const WidthClass wc = l.Class();
  return {10, wc == WidthClass::Small ? 196 : wc == WidthClass::Medium ? 230 : 300};
}

int FreeSpinsPoints(const Layout& l) {
  const WidthClass wc = l.Class();
  return wc == WidthClass::Small ? 8 : wc == WidthClass::Medium ? 12 : 14;
}

}  // namespace view
