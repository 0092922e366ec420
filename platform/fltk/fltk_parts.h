// Pieces shared by the FLTK files of the platform layer.
#pragma once
#include <cmath>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/dialog.h"

class Fl_Widget;

namespace platform::fltk {

class Desktop;

std::unique_ptr<TextRenderer> MakeTextRenderer();
std::unique_ptr<DialogFactory> MakeDialogFactory(Desktop& desktop, TextRenderer& text);

// Shows the block (x, y, w, h) of the canvas at the same place of the current window.
void DrawCanvas(const Canvas& canvas, int x, int y, int w, int h);
// Shows the block (sx, sy, w, h) of a picture at (dx, dy) of the current window.
void ShowPixels(const Bitmap& pixels, int sx, int sy, int dx, int dy, int w, int h);

// Every text handed to FLTK is cut here, never inside a character. No line shows more
// than some hundreds of characters; a longer text only burdens the X server, and one of
// megabytes is more than it takes in one request, which ends the game.
constexpr size_t kMaxLineBytes = 1024;
std::string CutToLine(std::string_view text);

// FLTK reads '@' in labels as a symbol and '&' as an underline mark: plain text keeps both.
std::string PlainLabel(std::string_view text);
// A widget label as FLTK shows it: "&x" underlines x and "&&" is one '&'.
std::string ShownLabel(const char* label);
// Sets the label's face and size so that it measures no wider than `room` pixels: the
// usual face at `pixels` where it fits, else the condensed one, a pixel smaller at a time.
void FitLabel(Fl_Widget& widget, int pixels, bool bold, int room);

// Points at 96 pixels per inch, the size the game's layout was made for.
inline int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

// A window over the machine grows with it: its layout's coordinates and font sizes times
// the machine's scale. Edges are rounded, not lengths, so that neighbours stay neighbours.
struct Scaling {
  double s = 1;
  int operator()(int v) const { return static_cast<int>(std::lround(v * s)); }
  int Length(int from, int length) const { return (*this)(from + length) - (*this)(from); }
  // A length measured at the scaled size, in layout pixels: enough room for it once scaled.
  int Unscaled(int pixels) const { return static_cast<int>(std::ceil(pixels / s - 1e-9)); }
};

}  // namespace platform::fltk
