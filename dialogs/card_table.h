// The Double or Nothing card table: a modal window of 24 face-down cards on which the
// player gambles SpinWin before it is paid.
#pragma once
#include "dialogs/card_faces.h"
#include "machine/machine.h"

namespace dialogs {

// Opens the table on SpinWin and returns when the player has closed it; SpinWin then
// holds what is to be paid. Does nothing while the main window is closing. Laid out for
// a small screen (`layout_width`, as the machine is), the table opens at its top edge.
void PlayDoubleOrNothing(machine::Machine& m, int layout_width);

}  // namespace dialogs
