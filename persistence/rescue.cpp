#include "persistence/rescue.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/file_info.h"
#include "platform/user_folders.h"

namespace persistence {

namespace fs = std::filesystem;

std::vector<std::string> RescueFolders(const std::string& saved_game_path) {
  const std::string state = platform::XdgFolder("XDG_STATE_HOME", ".local/state");
  std::vector<std::string> folders{fs::path(saved_game_path).parent_path().string()};
  if (!state.empty()) folders.push_back((fs::path(state) / "vantello").string());
  folders.push_back(platform::PrivateTempFolderPath());
  return folders;
}

std::string WriteRescue(const rules::GameState& g, const std::string& saved_game_path,
                        const std::vector<std::string>& folders, platform::FileOps* ops, const std::string& today) {
  auto keys = GameSectionKeys(g, "CurrentGame", today);
  keys.emplace_back(kRescuedFromKey, saved_game_path);
  for (const std::string& folder : folders) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    // Only a folder this user alone can put files into: a folder in /tmp of that name
    // made by someone else is passed over, never written or read.
    if (!platform::IsOwnPrivateFolder(folder)) continue;
    platform::ProfileFile rescue((fs::path(folder) / kRescueName).string(), ops);
    if (rescue.WriteSection(SectionName(kCurrentGameSlot), keys)) return rescue.Path();
  }
  return {};
}

std::string RescueReport(const platform::ProfileFile& file, const std::string& rescue,
                         const std::vector<std::string>& folders) {
  std::string text = "Vantello: unable to write to " + file.Path() + " (" + file.Failure() + ").\n";
  if (!rescue.empty())
    return text + "Vantello: the game was saved to " + rescue + " instead; the next start offers it back.\n";
  text += "Vantello: no rescue file could be written either, in";
  for (const std::string& folder : folders) text += " " + folder;
  return text + ". The play since the last save is lost.\n";
}

RescueSearch FindRescue(const std::string& saved_game_path, const std::vector<std::string>& folders) {
  // A saved game that cannot be found is older than any rescue.
  platform::FileTime newest;
  if (auto saved = platform::LookUpFile(saved_game_path)) newest = saved->modified;
  const std::string own_folder = fs::path(saved_game_path).parent_path().string();
  const std::string section = SectionName(kCurrentGameSlot);
  RescueSearch search;
  for (const std::string& folder : folders) {
    if (!platform::IsOwnPrivateFolder(folder)) continue;
    const std::string path = (fs::path(folder) / kRescueName).string();
    std::error_code ec;
    const bool link = fs::is_symlink(path, ec);
    auto rescue = platform::LookUpFile(path);
    if (!link && !(rescue && rescue->regular_file && rescue->modified > newest)) continue;
    platform::ProfileFile file(path);
    const platform::ProfileText text = file.Read();
    // Ours is a plain file with the game's section; anything else holds no game of ours.
    if (link || file.LastReadRefused() || !text.Read(section, "Credits")) {
      const std::string aside = (fs::path(folder) / kUnreadableRescueName).string();
      if (std::rename(path.c_str(), aside.c_str()) == 0) search.set_aside.push_back(aside);
      continue;
    }
    // A rescue says whose it is; one from before that stands beside its saved games.
    const std::optional<std::string> from = text.Read(section, kRescuedFromKey);
    if (from ? *from != saved_game_path : folder != own_folder) continue;
    newest = rescue->modified;
    search.offer = path;
  }
  return search;
}

std::string KeepGameBeforeRescue(const rules::GameState& g, const std::string& saved_game_path) {
  if (!platform::LookUpFile(saved_game_path)) return "";
  platform::ProfileFile kept((fs::path(saved_game_path).parent_path() / kBeforeRescueName).string());
  const std::string date = g.GameDate.empty() ? TodayDate() : g.GameDate;
  return SaveGameSection(g, kept, kCurrentGameSlot, g.GameName, nullptr, date) ? kept.Path() : "";
}

std::string PutRescueAside(const std::string& rescue) {
  std::string aside = (fs::path(rescue).parent_path() / kDeclinedRescueName).string();
  return std::rename(rescue.c_str(), aside.c_str()) == 0 ? aside : std::string();
}

}  // namespace persistence
