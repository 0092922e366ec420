#include "persistence/single_copy.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "persistence/rescue.h"
#include "platform/profile_file.h"
#include "platform/words.h"

namespace persistence {

namespace fs = std::filesystem;
using platform::FileLock;

std::string LockPathFor(const std::string& saved_game_path) {
  return (fs::path(saved_game_path).parent_path() / "Vantello.lock").string();
}

std::string OuterLockPathFor(const std::string& saved_game_path, const std::string& folder) {
  // Through links and "..": two ways to one folder are one folder.
  std::error_code ec;
  fs::path data = fs::weakly_canonical(fs::absolute(fs::path(saved_game_path).parent_path(), ec), ec);
  // FNV-1a: short, stable from one start to the next, and nothing of the path in the name.
  std::uint64_t digest = 14695981039346656037ull;
  for (unsigned char c : data.string()) digest = (digest ^ c) * 1099511628211ull;
  char name[40];
  std::snprintf(name, sizeof name, "vantello-%016llx.lock", static_cast<unsigned long long>(digest));
  return (fs::path(folder) / name).string();
}

CopyLock::CopyLock(const std::string& saved_game_path, const std::string& outer_folder)
    : in_folder_(LockPathFor(saved_game_path)) {
  if (!outer_folder.empty()) outer_.emplace(OuterLockPathFor(saved_game_path, outer_folder));
  const FileLock::State outer = outer_ ? outer_->Get() : FileLock::State::Unavailable;
  if (in_folder_.Get() == FileLock::State::Busy || outer == FileLock::State::Busy)
    state_ = State::Busy;
  else if (in_folder_.Get() == FileLock::State::Held || outer == FileLock::State::Held)
    state_ = State::Held;
}

std::string CopyLock::Why() const {
  if (outer_)
    // TRANSLATORS: ends "... it could not lock %1."; %1 and %3 are lock files, %2 and %4
    // why each could not be locked.
    return platform::FillIn(_("%1 (%2), nor %3 (%4)"),
                            {in_folder_.Path(), in_folder_.Failure(), outer_->Path(), outer_->Failure()});
  // TRANSLATORS: ends "... it could not lock %1."; %1 is a lock file, %2 why it could not be
  // locked.
  return platform::FillIn(_("%1 (%2), and there is no folder of the user's own in $XDG_RUNTIME_DIR or /tmp "
                            "to lock instead"),
                          {in_folder_.Path(), in_folder_.Failure()});
}

void RemoveStaleTemps(const std::string& saved_game_path) {
  platform::RemoveStaleTemps(saved_game_path);
  const std::string folder = fs::path(saved_game_path).parent_path().string();
  for (int n = 1; n <= kMaxRescuesPerFolder; ++n) platform::RemoveStaleTemps(NumberedName(folder, kRescueName, n));
}

}  // namespace persistence
