#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/words.h"

namespace platform {

FileLock::FileLock(const std::string& path) : path_(path) {
  // Close-on-exec: a browser or help viewer started by the game must not keep it.
  // Non-blocking: a pipe of that name would otherwise hold the start for ever.
  const int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | flags, 0600);
  if (fd_ < 0) {
    // Why it could not be made or written is the reason to give, whatever the retry says.
    failure_ = std::strerror(errno);
    fd_ = ::open(path.c_str(), O_RDONLY | flags);  // flock needs no write
    if (fd_ < 0) return;
    failure_.clear();
  }
  // A folder, pipe or device of that name is no lock of ours: another copy could take
  // the "same" lock on something else entirely.
  struct stat st;
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    // TRANSLATORS: why a lock file could not be locked, beside the system's own reasons
    // such as "Permission denied".
    failure_ = _("Not a plain file");
    ::close(fd_);
    fd_ = -1;
    return;
  }
  int result;
  do {
    result = ::flock(fd_, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) {
    state_ = State::Held;
  } else if (errno == EWOULDBLOCK) {
    state_ = State::Busy;
  } else {
    failure_ = std::strerror(errno);
  }
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace platform
