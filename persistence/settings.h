// The player's settings: how loud, how much flashing, when to be reminded of the time,
// how many games the recall keeps. They belong to the player at this desktop, not to a
// saved game, so they live in $XDG_CONFIG_HOME/vantello/Settings.ini beside the window's
// place. A missing or damaged file, or a value out of range, gives the default.
#pragma once
#include <string>

#include "rules/game_record.h"

namespace persistence {

struct Settings {
  int volume = 100;           // percent, 0 to 100
  bool reduced_flashing = false;
  int reminder_minutes = 0;   // 0 (no reminder), 15, 30 or 60
  int recall_games = rules::kRecallGames;  // 10 to 100
};

constexpr int kReminderChoices[] = {0, 15, 30, 60};
constexpr int kVolumeStep = 10;
constexpr int kRecallGamesStep = 10;

// A file of the player's own in $XDG_CONFIG_HOME/vantello, the folder made if need be;
// "" when there is no such folder.
std::string ConfigFilePath(const char* name);
std::string SettingsPath();
Settings ReadSettings(const std::string& path);
// False when the file could not be written; the settings still hold until the game closes.
bool WriteSettings(const std::string& path, const Settings& settings);

}  // namespace persistence
