// TBorrowC: the dialog in which the player borrows credits from the house or pays them
// back, in steps of 1000, 100, 10 and 1. Credits and Borrowed always move together.
#pragma once
#include "machine/machine.h"
#include "view/pictures.h"

namespace dialogs {

constexpr int kBorrowHelpTopic = 41005;

// Shows the dialog until the player closes it; the caller repaints the machine after.
// `digits` holds the digit strips the two amounts are painted with.
void ShowBorrowDialog(machine::Machine& m, const view::Pictures& digits);

}  // namespace dialogs
