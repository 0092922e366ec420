// The dialog in which the player borrows credits from the house or pays them back, in
// steps of 1000, 100, 10 and 1. Credits and Borrowed always move together.
#pragma once
#include "machine/machine.h"
#include "view/pictures.h"

namespace dialogs {

// Shows the dialog until the player closes it; the caller repaints the machine after.
// `digits` holds the digit strips the two amounts are painted with, large ones when
// `large_digits`, as the machine shows them.
void ShowBorrowDialog(machine::Machine& m, const view::Pictures& digits, bool large_digits);

}  // namespace dialogs
