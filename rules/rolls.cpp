#include "rules/rolls.h"

#include "rules/strips.h"

namespace rules {

namespace {

void LoadRollStrips(rules::GameState& g, const rules::Strip& strip) {
  for (auto& s : g.Strips) s = strip;
  g.RegularStops = g.Stops;
}

}  // namespace

// Each digit plus two is the code: '9' Melon, '7' Cherry, '8' RollSeven.
rules::Strip CherryRollStrip() { return rules::StripFromText("97989798979797989797", 2); }

// '0' RollSeven, '9' Melon, '1' to '3' the three bars.
rules::Strip BarRollStrip() {
  rules::Strip s = rules::StripFromText("90213239319239309132", 0);
  for (auto& code : s) {
    if (code == 0) code = rules::RollSeven;
    else if (code == 9) code = rules::Melon;
  }
  return s;
}

void LoadCherryRollStrips(rules::GameState& g) { LoadRollStrips(g, CherryRollStrip()); }
void LoadBarRollStrips(rules::GameState& g) { LoadRollStrips(g, BarRollStrip()); }

}  // namespace rules
