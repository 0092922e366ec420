#include "persistence/rescue.h"

#include <algorithm>
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

std::string NumberedName(const std::string& folder, const std::string& name, int n) {
  const fs::path file(name);
  const std::string numbered =
      n == 1 ? name : file.stem().string() + "-" + std::to_string(n) + file.extension().string();
  return (fs::path(folder) / numbered).string();
}

std::string MoveToFreeName(const std::string& from, const std::string& folder, const std::string& name) {
  for (int n = 1; n <= kMaxRescuesPerFolder; ++n) {
    const std::string to = NumberedName(folder, name, n);
    const platform::NewName moved = platform::RenameToNewName(from, to);
    if (moved == platform::NewName::Ours) return to;
    if (moved == platform::NewName::Refused) break;
  }
  return {};
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
    for (int n = 1; n <= kMaxRescuesPerFolder; ++n) {
      // The name is claimed first, so that two games closing at once never share one.
      const std::string path = NumberedName(folder, kRescueName, n);
      const platform::NewName claim = platform::ClaimNewFile(path);
      if (claim == platform::NewName::Taken) continue;
      if (claim == platform::NewName::Refused) break;
      platform::ProfileFile rescue(path, ops);
      if (rescue.WriteSection(SectionName(kCurrentGameSlot), keys)) return path;
      fs::remove(path, ec);
      break;
    }
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
  platform::FileTime saved_at;
  if (auto saved = platform::LookUpFile(saved_game_path)) saved_at = saved->modified;
  const std::string own_folder = fs::path(saved_game_path).parent_path().string();
  const std::string section = SectionName(kCurrentGameSlot);
  RescueSearch search;
  std::vector<std::pair<platform::FileTime, std::string>> found;
  for (const std::string& folder : folders) {
    if (!platform::IsOwnPrivateFolder(folder)) continue;
    for (int n = 1; n <= kMaxRescuesPerFolder; ++n) {
      const std::string path = NumberedName(folder, kRescueName, n);
      std::error_code ec;
      const bool link = fs::is_symlink(path, ec);
      auto rescue = platform::LookUpFile(path);
      if (!link && !(rescue && rescue->regular_file && rescue->modified > saved_at)) continue;
      platform::ProfileFile file(path);
      const platform::ProfileText text = file.Read();
      // Ours is a plain file with the game's section; anything else holds no game of ours.
      if (link || file.LastReadRefused() || !text.Read(section, "Credits")) {
        const std::string aside = MoveToFreeName(path, folder, kUnreadableRescueName);
        if (!aside.empty()) search.set_aside.push_back(aside);
        continue;
      }
      // A rescue says whose it is; one from before that stands beside its saved games.
      const std::optional<std::string> from = text.Read(section, kRescuedFromKey);
      if (from ? *from != saved_game_path : folder != own_folder) continue;
      found.emplace_back(rescue->modified, path);
    }
  }
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (const auto& [time, path] : found) search.offers.push_back(path);
  return search;
}

std::string KeepGameBeforeRescue(const rules::GameState& g, const std::string& saved_game_path) {
  if (!platform::LookUpFile(saved_game_path)) return "";
  const std::string folder = fs::path(saved_game_path).parent_path().string();
  const std::string date = g.GameDate.empty() ? TodayDate() : g.GameDate;
  for (int n = 1; n <= kMaxRescuesPerFolder; ++n) {
    const std::string path = NumberedName(folder, kBeforeRescueName, n);
    const platform::NewName claim = platform::ClaimNewFile(path);
    if (claim == platform::NewName::Taken) continue;
    if (claim == platform::NewName::Refused) break;
    platform::ProfileFile kept(path);
    if (SaveGameSection(g, kept, kCurrentGameSlot, g.GameName, nullptr, date)) return path;
    std::error_code ec;
    fs::remove(path, ec);
    break;
  }
  return "";
}

std::string PutRescueAside(const std::string& rescue) {
  return MoveToFreeName(rescue, fs::path(rescue).parent_path().string(), kDeclinedRescueName);
}

}  // namespace persistence
