#include "payoffs/rolls.h"

#include "core/strips.h"

namespace payoffs {

namespace {

void LoadRollStrips(core::GameState& g, const core::Strip& strip) {
  for (auto& s : g.Strips) s = strip;
  g.SavedStops = g.Stops;
}

}  // namespace

// Each digit plus two is the code: '9' Fruit11, '7' Cherry, '8' RollSeven.
core::Strip CherryRollStrip() { return core::StripFromText("97989798979797989797", 2); }

// '0' RollSeven, '9' Fruit11, '1' to '3' the three bars.
core::Strip BarRollStrip() {
  core::Strip s = core::StripFromText("90213239319239309132", 0);
  for (auto& code : s) {
    if (code == 0) code = core::RollSeven;
    else if (code == 9) code = core::Fruit11;
  }
  return s;
}

void LoadCherryRollStrips(core::GameState& g) { LoadRollStrips(g, CherryRollStrip()); }
void LoadBarRollStrips(core::GameState& g) { LoadRollStrips(g, BarRollStrip()); }

}  // namespace payoffs
