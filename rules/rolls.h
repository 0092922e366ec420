// The strips of the two kinds of roll. Loading one saves the regular stops so that
// the next player spin can put them back.
#pragma once
#include "rules/game_state.h"

namespace rules {

rules::Strip CherryRollStrip();
rules::Strip BarRollStrip();
void LoadCherryRollStrips(rules::GameState& g);
void LoadBarRollStrips(rules::GameState& g);

}  // namespace rules
