// "Machine Meters": what went into the machine and came out of it, over its whole life and
// over this session, side by side, with the check that the credits are exactly explained.
#pragma once
#include <string>
#include <vector>

#include "machine/machine.h"
#include "rules/game_state.h"
#include "rules/meters.h"

namespace dialogs {

void ShowMetersWindow(machine::Machine& m);

// The rows the window shows: a caption, the machine's life, this session.
struct MeterRow {
  std::string caption, life, session;
};
std::vector<MeterRow> MeterRows(const rules::Meters& life, const rules::Meters& session, int64_t credits);

// The player's return over the machine's life (Double or Nothing left out) beside the
// exact one at the current bet and skill, with the range chance explains over as many games.
std::string ReturnSentence(const rules::Meters& life, const rules::GameState& g);

}  // namespace dialogs
