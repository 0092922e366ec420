// The evaluations of a stopped window: the regular spin and the two kinds of roll.
// Each pays the played lines, moves the meters, writes the result and the summary,
// and hands a win to payout delivery.
#pragma once
#include "machine/machine.h"

namespace machine {

void EvaluateRegularSpin(machine::Machine& m);
void EvaluateCherryRoll(machine::Machine& m);
void EvaluateBarRoll(machine::Machine& m);

}  // namespace machine
