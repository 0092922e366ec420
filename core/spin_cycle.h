// SpinCycle plays one spin from the accepted bet to the last prize paid, rolls included.
#pragma once
#include "core/machine.h"

namespace core {

void SpinCycle(Machine& m);

}  // namespace core
