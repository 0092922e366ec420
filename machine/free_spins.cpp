#include "machine/free_spins.h"

#include <string>

#include "rules/width_class.h"

namespace machine {

void FreeSpinsBlinkTick(machine::Machine& m) {
  rules::GameState& g = m.g;
  g.FreeSpinsBlink = !g.FreeSpinsBlink;
  int points = 8, x = 10, y = 196;
  rules::WidthClass wc = rules::WidthClassOf(g.ScreenWidth);
  if (wc == rules::WidthClass::Large) points = 14, y = 300;
  else if (wc == rules::WidthClass::Medium) points = 12, y = 230;
  // The trailing blanks wipe a longer text drawn before.
  std::string text = "FREE Spins:  " + std::to_string(g.BarRollsLeft) + "          ";
  platform::Canvas& c = m.canvas;
  c.Hold();
  c.Fill(x, y, c.TextWidth(text, points), c.TextHeight(points), platform::kBlack);
  c.Text(x, y, text, points, g.FreeSpinsBlink ? platform::kYellow : platform::kBlack);
  c.Release();
}

}  // namespace machine
