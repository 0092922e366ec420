// Pieces shared by the FLTK files of the platform layer.
#pragma once
#include <memory>

#include "platform/canvas.h"
#include "platform/dialog.h"

namespace platform::fltk {

class Desktop;

std::unique_ptr<TextRenderer> MakeTextRenderer();
std::unique_ptr<DialogFactory> MakeDialogFactory(Desktop& desktop, TextRenderer& text);

// Shows the block (x, y, w, h) of the canvas at the same place of the current window.
void DrawCanvas(const Canvas& canvas, int x, int y, int w, int h);

// Points at 96 pixels per inch, the size the game's layout was made for.
inline int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

}  // namespace platform::fltk
