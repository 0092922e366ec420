// The Settings window: the sound's volume, reduced flashing, the reminder of the time
// played and how many games the recall keeps.
#pragma once
#include "persistence/settings.h"
#include "platform/dialog.h"

namespace dialogs {

constexpr int kSettingsWidth = 380;
constexpr int kSettingsHeight = 268;

// Shows the settings; true with `settings` changed when the player pressed OK.
bool ShowSettingsWindow(platform::DialogFactory& dialogs, persistence::Settings& settings);

}  // namespace dialogs
