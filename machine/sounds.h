// Every sound of the machine goes through these two; both are silent while Sound is off.
#pragma once
#include <string>

#include "machine/machine.h"

namespace machine {

// Plays ProgramFolder + file; with wait, returns when the sound has ended, pumping
// messages meanwhile, and never later than its longest wait.
void PlayWave(Machine& m, const std::string& file, bool wait);
// The wheel and bet click, played from memory without waiting.
void PlayClick(Machine& m);

// How long the game may be held up by a waited sound: twice what the game's own file
// lasts, so that a player's own slightly longer sound is still heard whole, but a
// file minutes long holds nothing up.
int LongestWaitMs(const std::string& file);

}  // namespace machine
