#include "persistence/rescue.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/user_folders.h"

namespace persistence {
namespace {

namespace fs = std::filesystem;

// A folder only this user can put files into: ours, and not open to everyone. A folder
// in /tmp of that name made by someone else is passed over, never written or read.
bool OwnFolder(const fs::path& folder) {
  struct stat st;
  return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
         (st.st_mode & S_IWOTH) == 0;
}

bool Newer(const struct stat& a, const struct stat& b) {
  if (a.st_mtim.tv_sec != b.st_mtim.tv_sec) return a.st_mtim.tv_sec > b.st_mtim.tv_sec;
  return a.st_mtim.tv_nsec > b.st_mtim.tv_nsec;
}

}  // namespace

std::vector<std::string> RescueFolders(const std::string& saved_game_path) {
  fs::path state = platform::XdgFolder("XDG_STATE_HOME", ".local/state");
  const char* tmpdir = std::getenv("TMPDIR");
  fs::path temp = fs::path(tmpdir && fs::path(tmpdir).is_absolute() ? tmpdir : "/tmp") /
                  ("vantello-" + std::to_string(::getuid()));
  return {fs::path(saved_game_path).parent_path().string(), (state / "vantello").string(), temp.string()};
}

std::string WriteRescue(const rules::GameState& g, const std::vector<std::string>& folders,
                        platform::FileOps* ops, const std::string& today) {
  const auto keys = GameSectionKeys(g, "CurrentGame", today);
  for (const std::string& folder : folders) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!OwnFolder(folder)) continue;
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

std::string FindRescue(const std::string& saved_game_path, const std::vector<std::string>& folders) {
  struct stat newest {};
  // A saved game that cannot be found is older than any rescue.
  if (::stat(saved_game_path.c_str(), &newest) != 0) newest = {};
  std::string found;
  for (const std::string& folder : folders) {
    std::string path = (fs::path(folder) / kRescueName).string();
    struct stat st;
    if (OwnFolder(folder) && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && Newer(st, newest)) {
      newest = st;
      found = path;
    }
  }
  return found;
}

std::string PutRescueAside(const std::string& rescue) {
  std::string aside = (fs::path(rescue).parent_path() / kDeclinedRescueName).string();
  return std::rename(rescue.c_str(), aside.c_str()) == 0 ? aside : std::string();
}

}  // namespace persistence
