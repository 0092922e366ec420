// Where everything sits on the machine's window, by the screen's width class.
#pragma once
#include "rules/game_state.h"
#include "view/pictures.h"

namespace view {

enum class WidthClass { Small, Medium, Large };

inline WidthClass WidthClassOf(int screen_width) {
  if (screen_width < 700) return WidthClass::Small;
  if (screen_width < 1000) return WidthClass::Medium;
  return WidthClass::Large;  // wider than 10000 too
}

struct Point {
  int x = 0, y = 0;
};

// The four hit rectangles; returns where the logo goes.
Point ComputeLayout(rules::GameState& g, const machine::Artwork& art, const Pictures& p);

// The minus key beside a plus key.
platform::Rect MinusKeyOf(const platform::Rect& plus);

}  // namespace view
