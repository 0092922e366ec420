// Putting a wheel on the screen: its stopped symbol, its empty window, its blur.
#pragma once
#include "machine/machine.h"

namespace machine {

struct Box {
  int x, y, w, h;
};

// Cell geometry, in window coordinates, for the machine's CellSize.
Box SymbolSquare(const rules::GameState& g, int w);
Box WheelWindow(const rules::GameState& g, int w);
Box MotionWindow(const rules::GameState& g, int w);
Box BounceArea(const rules::GameState& g, int w);

constexpr int kMotionStripHeight = 576;

void DrawCell(Machine& m, int w);
void ClearCell(Machine& m, int w);
void DrawMotion(Machine& m, int w, int offset);

}  // namespace machine
