// The evaluations of a stopped window: the regular spin and the two kinds of roll.
// Each pays the played lines, moves the meters, writes the result and the summary,
// and hands a win to payout delivery.
#pragma once
#include "core/machine.h"

namespace payoffs {

void EvaluateRegularSpin(core::Machine& m);
void EvaluateCherryRoll(core::Machine& m);
void EvaluateBarRoll(core::Machine& m);

}  // namespace payoffs
