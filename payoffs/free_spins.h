// The blinking "FREE Spins:" counter shown while Bar Rolls are played.
#pragma once
#include "core/machine.h"

namespace payoffs {

void Timer5Timer(core::Machine& m);

}  // namespace payoffs
