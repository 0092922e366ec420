// One running copy of the game per data folder. Two copies on one Vantello.ini would
// each save over the other's game at close, the last one silently winning.
#pragma once
#include <optional>
#include <string>

#include "platform/file_lock.h"

namespace persistence {

// The lock the running copy holds: Vantello.lock beside the saved game.
std::string LockPathFor(const std::string& saved_game_path);

// The same lock kept outside the data folder, in `folder` (the user's runtime folder):
// "vantello-<digest of the data folder's path>.lock", one per data folder, however it is reached.
std::string OuterLockPathFor(const std::string& saved_game_path, const std::string& folder);

// The running copy's hold on its data folder, for the life of the object. It takes both
// locks: Vantello.lock in the folder, which also keeps out a copy on another computer
// sharing the folder, and the outer one, which still works where the folder's cannot be
// made (a read-only folder, a lock file that is no plain file or may not be opened).
// Either one busy means another copy plays these games.
class CopyLock {
 public:
  enum class State { Held, Busy, NoLock };
  CopyLock(const std::string& saved_game_path, const std::string& outer_folder);
  State Get() const { return state_; }
  // For NoLock: where each lock was tried and why it could not be had.
  std::string Why() const;

 private:
  platform::FileLock in_folder_;
  std::optional<platform::FileLock> outer_;
  State state_ = State::NoLock;
};

// Removes the temporary files that writes of the saved game or of a rescue beside it
// left when the game was killed mid-write. Only while holding the folder's lock, when
// no write of ours can be under way.
void RemoveStaleTemps(const std::string& saved_game_path);

}  // namespace persistence
