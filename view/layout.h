// Where everything sits on the machine's window, by the screen's width class.
#pragma once
#include "rules/game_state.h"
#include "rules/width_class.h"
#include "view/pictures.h"

namespace view {

using rules::WidthClass;
using rules::WidthClassOf;

struct Point {
  int x = 0, y = 0;
};

// The four hit rectangles; returns where the logo goes.
Point ComputeLayout(rules::GameState& g, const machine::Artwork& art, const Pictures& p);

}  // namespace view
