#include "persistence/settings.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "persistence/saved_game.h"
#include "platform/profile_file.h"
#include "platform/user_folders.h"

namespace persistence {

namespace {

constexpr char kSection[] = "Settings";

std::optional<int> ReadNumber(const platform::ProfileText& text, const char* key, int low, int high) {
  const std::optional<std::string> value = text.Read(kSection, key);
  const std::optional<int32_t> n = value ? ParseSavedInteger(*value) : std::nullopt;
  if (!n || *n < low || *n > high) return std::nullopt;
  return *n;
}

}  // namespace

std::string ConfigFilePath(const char* name) {
  const std::string config = platform::XdgFolder("XDG_CONFIG_HOME", ".config");
  if (config.empty()) return "";
  const std::filesystem::path folder = std::filesystem::path(config) / "vantello";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);  // one that cannot be made fails at the write
  return (folder / name).string();
}

std::string SettingsPath() { return ConfigFilePath("Settings.ini"); }

Settings ReadSettings(const std::string& path) {
  Settings s;
  if (path.empty()) return s;
  const platform::ProfileText text = platform::ProfileFile(path).Read();
  s.volume = ReadNumber(text, "Volume", 0, 100).value_or(s.volume);
  s.reduced_flashing = ReadNumber(text, "ReducedFlashing", 0, 1).value_or(0) == 1;
  const int reminder = ReadNumber(text, "ReminderMinutes", 0, 60).value_or(0);
  if (std::find(std::begin(kReminderChoices), std::end(kReminderChoices), reminder) != std::end(kReminderChoices))
    s.reminder_minutes = reminder;
  s.recall_games =
      ReadNumber(text, "RecallGames", rules::kRecallGames, rules::kMaxRecallGames).value_or(s.recall_games);
  return s;
}

bool WriteSettings(const std::string& path, const Settings& s) {
  if (path.empty()) return false;
  return platform::ProfileFile(path).WriteSection(
      kSection, {{"Volume", std::to_string(s.volume)},
                 {"ReducedFlashing", s.reduced_flashing ? "1" : "0"},
                 {"ReminderMinutes", std::to_string(s.reminder_minutes)},
                 {"RecallGames", std::to_string(s.recall_games)}});
}

}  // namespace persistence
