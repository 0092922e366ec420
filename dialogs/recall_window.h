// "Game Recall": the games the machine remembers, one at a time, newest first. The nine
// symbols as the machine showed them with the winning lines marked, then the rolls and
// the gamble in the order they happened, and the meters before and after. Read-only: a
// look back at games already played, never a game in play.
#pragma once
#include <string>
#include <vector>

#include "machine/machine.h"
#include "rules/game_record.h"
#include "view/pictures.h"

namespace dialogs {

// The symbols come from the machine's own symbol sheet, `symbol_size` pixels a symbol.
// With no game yet, a box says so instead.
void ShowGameRecall(machine::Machine& m, const std::vector<rules::GameRecord>& games, const view::Artwork& art,
                    int symbol_size);

// The words the window shows for a game, also for the tests: its heading, the bet and the
// meters, and what happened after the spin (rolls, cards, what came between), a line each.
std::string RecallHeading(const rules::GameRecord& game, int shown, int count);
std::vector<std::string> RecallMeters(const rules::GameRecord& game);
std::vector<std::string> RecallSteps(const rules::GameRecord& game);

}  // namespace dialogs
