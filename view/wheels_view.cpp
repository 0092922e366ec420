// The wheels as the machine's window draws them: a symbol at rest in its white window,
// the blur of a turning wheel, and the bounce of a wheel coming to rest.
#include <array>

#include "rules/spin_rules.h"
#include "rules/strips.h"
#include "view/main_view.h"

namespace view {

void MainView::DrawSymbol(int w) {
  const int code = rules::CellSymbol(m_.g, w);
  const int size = layout.SymbolSize();
  const Box b = SymbolSquare(layout, w);
  m_.canvas.Blit(art.SymbolSheet, (code % 4) * size, (code / 4) * size, size, size, b.x, b.y);
}

void MainView::DrawStoppedWheel(int w) {
  const Box b = WheelWindow(layout, w);
  m_.canvas.Fill(b.x, b.y, b.w, b.h, platform::kWhite);
  DrawSymbol(w);
}

void MainView::DrawTurningWheel(int w, int row) {
  const Box b = MotionWindow(layout, w);
  // Rows row .. row + h - 1 of the strip, wrapping from its last row back to 0, shown
  // in one piece: the two parts are drawn under one hold.
  const int first = rules::kMotionStripRows - row;
  platform::Canvas& c = m_.canvas;
  c.Hold();
  if (first >= b.h) {
    c.Blit(art.MotionStrip, 0, row, b.w, b.h, b.x, b.y);
  } else {
    c.Blit(art.MotionStrip, 0, row, b.w, first, b.x, b.y);
    c.Blit(art.MotionStrip, 0, 0, b.w, b.h - first, b.x, b.y + first);
  }
  c.Release();
}

namespace {

// How far a stopped wheel's picture moves down (up, when negative) in each frame of its
// bounce; as it is taken, the picture shows one pixel down.
constexpr std::array<int, machine::kBounceFrames> kBounceShift{2, 1, 0, -1, -2, -1, 0};
constexpr int kTakenShift = 1;

void DrawShifted(platform::Canvas& c, const platform::Bitmap& picture, const Box& a, int shift) {
  c.Blit(picture, 0, 0, a.w, a.h, a.x, a.y + shift);
}

}  // namespace

void MainView::TakeBouncePicture(int w) {
  const Box a = BounceArea(layout, w);
  bounce_[w] = m_.canvas.Grab(a.x, a.y, a.w, a.h);
  DrawShifted(m_.canvas, bounce_[w], a, kTakenShift);
}

void MainView::DrawBounce(int w, int frame) {
  if (frame < 0 || frame >= machine::kBounceFrames) return;
  DrawShifted(m_.canvas, bounce_[w], BounceArea(layout, w), kBounceShift[frame]);
}

}  // namespace view
