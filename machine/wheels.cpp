#include "machine/wheels.h"

#include "rules/strips.h"

namespace machine {

namespace {
int Col(int w) { return w % 3; }
int Row(int w) { return w / 3; }
bool Large(const rules::GameState& g) { return g.CellSize == 96; }
}  // namespace

Box SymbolSquare(const rules::GameState& g, int w) {
  if (Large(g)) return {g.OriginX + 79 + 124 * Col(w), g.OriginY + 94 + 173 * Row(w), 96, 96};
  return {g.OriginX + 49 + 81 * Col(w), g.OriginY + 59 + 112 * Row(w), 64, 64};
}

Box WheelWindow(const rules::GameState& g, int w) {
  if (Large(g)) return {g.OriginX + 75 + 124 * Col(w), g.OriginY + 70 + 173 * Row(w), 99, 150};
  return {g.OriginX + 49 + 81 * Col(w), g.OriginY + 45 + 112 * Row(w), 64, 97};
}

Box MotionWindow(const rules::GameState& g, int w) {
  if (Large(g)) return {g.OriginX + 79 + 124 * Col(w), g.OriginY + 70 + 173 * Row(w), 96, 150};
  return {g.OriginX + 49 + 81 * Col(w), g.OriginY + 45 + 112 * Row(w), 64, 97};
}

Box BounceArea(const rules::GameState& g, int w) {
  if (Large(g)) return {g.OriginX + 79 + 124 * Col(w), g.OriginY + 90 + 173 * Row(w), 96, 104};
  return {g.OriginX + 45 + 81 * Col(w), g.OriginY + 59 + 112 * Row(w), 64, 72};
}

void DrawCell(Machine& m, int w) {
  int code = rules::CellSymbol(m.g, w);
  int size = m.g.CellSize;
  Box b = SymbolSquare(m.g, w);
  m.canvas.Blit(m.art.SymbolSheet, (code % 4) * size, (code / 4) * size, size, size, b.x, b.y);
}

void ClearCell(Machine& m, int w) {
  Box b = WheelWindow(m.g, w);
  m.canvas.Fill(b.x, b.y, b.w, b.h, platform::kWhite);
}

void DrawMotion(Machine& m, int w, int offset) {
  Box b = MotionWindow(m.g, w);
  // Rows offset .. offset + h - 1 of the strip, wrapping from 575 back to 0, shown in
  // one piece: the two parts are drawn under one hold.
  int first = kMotionStripHeight - offset;
  platform::Canvas& c = m.canvas;
  c.Hold();
  if (first >= b.h) {
    c.Blit(m.art.MotionStrip, 0, offset, b.w, b.h, b.x, b.y);
  } else {
    c.Blit(m.art.MotionStrip, 0, offset, b.w, first, b.x, b.y);
    c.Blit(m.art.MotionStrip, 0, 0, b.w, b.h - first, b.x, b.y + first);
  }
  c.Release();
}

}  // namespace machine
