// TPaychart: the "Payoff Chart" window, which shows the pay table as one picture,
// "Paychart.bmp" from the program folder, read anew at every opening.
#pragma once
#include <string>

#include "machine/machine.h"

namespace dialogs {

constexpr int kPayChartHelpTopic = 41010;

void ShowPayChart(machine::Machine& m);

}  // namespace dialogs
