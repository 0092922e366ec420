// Every sound of the machine goes through these two; both are silent while Sound is off.
#pragma once
#include <string>

#include "machine/machine.h"

namespace machine {

// Plays ProgramFolder + file; with wait, returns when the sound has ended.
void PlayWave(Machine& m, const std::string& file, bool wait);
// The wheel and bet click, played from memory without waiting.
void PlayClick(Machine& m);

}  // namespace machine
