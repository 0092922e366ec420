// The game slot dialog, through which the player saves the game into one of the named
// slots or opens a game from one. While it lists the slots, the player's own game waits
// in "CurrentGame" and comes back from there when it closes.
#pragma once
#include "machine/machine.h"
#include "platform/profile_file.h"

namespace dialogs {

enum class SlotDialogMode { Open, Save };

void ShowSlotDialog(machine::Machine& m, platform::ProfileFile& file, SlotDialogMode mode);

}  // namespace dialogs
