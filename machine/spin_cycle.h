// SpinCycle plays one spin from the accepted bet to the last prize paid, rolls included.
#pragma once
#include "machine/machine.h"

namespace machine {

void SpinCycle(Machine& m);

}  // namespace machine
