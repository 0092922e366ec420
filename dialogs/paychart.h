// The "Payoff Chart" window, which shows the pay table as one picture, "Paychart.bmp"
// from the program folder, read anew at every opening.
#pragma once
#include "machine/machine.h"

namespace dialogs {

void ShowPayChart(machine::Machine& m);

}  // namespace dialogs
