// TLoadSave: the game slot dialog, through which the player saves the game into one of
// the eight named slots or opens a game from one. While it lists the slots, the
// player's own game waits in "CurrentGame" and comes back from there when it closes.
#pragma once
#include <string>

#include "rules/game_state.h"
#include "machine/machine.h"
#include "platform/profile_file.h"

namespace dialogs {

constexpr int kSlotDialogHelpTopic = 41008;

// SlotDialogMode 1 saves the game into a slot; any other value opens one.
void ShowSlotDialog(machine::Machine& m, platform::ProfileFile& file, int SlotDialogMode);

}  // namespace dialogs
