// Paying a win: the Winnings meter, the win sound, the Double or Nothing table, the
// win flash and the payment into Credits, at once or counted off.
#pragma once
#include <cstdint>

#include "machine/machine.h"
#include "rules/pay_rules.h"

namespace machine {

// Hands SpinWin to the player after an evaluation of this kind. A roll shows its flash
// before the card game and adds what it delivered to its own statistic.
void DeliverWinnings(machine::Machine& m, rules::SpinKind kind);

// Pays SpinWin into Credits a step every 0.1 s, draining SpinWin to 0.
void CountOff(machine::Machine& m);

// The largest step a count-off of this win uses: 25, or more for a win that 25 at a
// time would take longer than half a minute to count.
int32_t CountOffLargeStep(int32_t win);
// The amount moved at the next step while `remaining` is still to be counted.
int32_t CountOffStep(int32_t remaining, int32_t large_step);

}  // namespace machine
