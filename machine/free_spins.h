// The blinking "FREE Spins:" counter shown while Bar Rolls are played.
#pragma once
#include "machine/machine.h"

namespace machine {

void FreeSpinsBlinkTick(machine::Machine& m);

}  // namespace machine
