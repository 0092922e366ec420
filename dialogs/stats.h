// "Your Game Statistics", a snapshot of the game's counters taken when the
// dialog opens: spins, the money position and everything the machine has paid, by source.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "rules/game_state.h"
#include "machine/machine.h"
#include "dialogs/locale_numbers.h"

namespace dialogs {

// `open_recall`, when given, is what its "Game Recall..." button does.
void ShowStatsDialog(machine::Machine& m, std::function<void()> open_recall = nullptr);

// Skill-stop wins as a share of all spins, regular and rolls, in percent; 0 before any spin.
double SkillStopPercent(const rules::GameState& g);
// Everything paid except by Double or Nothing, as a share of all bets, in percent.
double OverallPayoffPercent(const rules::GameState& g);
// What the machine pays in the long run, % of the bet, at the current bet for a player
// who wins the bonus lamp as often as this one has (skill-stop wins per regular spin);
// NaN when there is nothing to go on.
double ReturnAtPlayersSkill(const rules::GameState& g);

}  // namespace dialogs
