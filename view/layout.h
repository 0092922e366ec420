// Where everything sits on the machine's window. The layout is fixed at start-up from
// the width the machine is laid out for (its width class) and the sizes of its pictures;
// every place on the machine's picture is worked out here or from here.
#pragma once
#include <optional>

#include "machine/bets.h"
#include "platform/geometry.h"
#include "rules/width_class.h"
#include "view/pictures.h"

namespace view {

using rules::WidthClass;
using rules::WidthClassOf;

struct Point {
  int x = 0, y = 0;
};

struct Box {
  int x = 0, y = 0, w = 0, h = 0;
};

struct Layout {
  int width = 640;  // the screen width the machine is laid out for
  int origin_x = 0, origin_y = 0;  // the background picture's top-left corner
  int background_w = 0, background_h = 0;
  platform::Rect spin, stop, lines_plus, coins_plus;
  Point logo;

  WidthClass Class() const { return WidthClassOf(width); }
  bool Large() const { return Class() == WidthClass::Large; }
  // The side of a symbol's square on the wheels.
  int SymbolSize() const { return Large() ? 96 : 64; }
  // The right edge of the machine's background: the meters and keys stand beyond it.
  int Right() const { return origin_x + background_w; }
};

// The layout for a machine laid out `width` wide with these pictures (empty pictures
// count as size 0, so a machine missing its artwork still has a place for everything).
Layout MakeLayout(int width, const Artwork& art, const Pictures& p);

// The minus key beside a plus key: the same size, 5 pixels to its right.
platform::Rect MinusKeyOf(const platform::Rect& plus);

// The button on the machine's face at a point of the window, if any.
std::optional<machine::Button> ButtonAt(const Layout& l, int x, int y);

// A wheel's places on the window, wheel w = 0..8 row by row: the square its symbol
// stands in, its white window, where its blur is drawn and what its bounce moves.
Box SymbolSquare(const Layout& l, int w);
Box WheelWindow(const Layout& l, int w);
Box MotionWindow(const Layout& l, int w);
Box BounceArea(const Layout& l, int w);

// The "FREE Spins:" counter and the label above the FREE Spins bars share their row.
Point FreeSpinsCounterAt(const Layout& l);
int FreeSpinsPoints(const Layout& l);

}  // namespace view
