// A lock on a file, held for the life of the object. It is flock()'s: the system lets
// go of it when the process ends, however it ends, so a crash never leaves it behind.
#pragma once
#include <string>

namespace platform {

class FileLock {
 public:
  enum class State {
    Held,         // ours until the object goes
    Busy,         // another process holds it
    Unavailable,  // no lock to be had here: the file cannot be made or opened, or is no plain file
  };
  // Creates the file when it is missing and tries the lock once, without waiting.
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  State Get() const { return state_; }
  const std::string& Path() const { return path_; }
  // Why the lock is Unavailable, in a few words ("permission denied").
  const std::string& Failure() const { return failure_; }

 private:
  std::string path_;
  int fd_ = -1;
  State state_ = State::Unavailable;
  std::string failure_;
};

}  // namespace platform
