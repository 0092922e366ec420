// The strips of the two kinds of roll. Loading one saves the regular stops so that
// the next player spin can put them back.
#pragma once
#include "core/game_state.h"

namespace payoffs {

core::Strip CherryRollStrip();
core::Strip BarRollStrip();
void LoadCherryRollStrips(core::GameState& g);
void LoadBarRollStrips(core::GameState& g);

}  // namespace payoffs
