#include "platform/file_info.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace platform {

static_assert(sizeof(uid_t) <= sizeof(unsigned), "a user id fits the number we hand on");

unsigned UserId() { return ::getuid(); }

bool IsOwnPrivateFolder(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
         (st.st_mode & S_IWOTH) == 0;
}

std::optional<FileFacts> LookUpFile(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return FileFacts{S_ISREG(st.st_mode), {st.st_mtim.tv_sec, st.st_mtim.tv_nsec}};
}

NewName ClaimNewFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
  if (fd < 0) return errno == EEXIST ? NewName::Taken : NewName::Refused;
  ::close(fd);
  return NewName::Ours;
}

NewName RenameToNewName(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return NewName::Ours;
  if (errno == EEXIST) return NewName::Taken;
  if (errno != EINVAL && errno != ENOSYS) return NewName::Refused;
  // A file system that cannot rename without replacing: a hard link cannot replace either.
  if (::link(from.c_str(), to.c_str()) != 0) return errno == EEXIST ? NewName::Taken : NewName::Refused;
  ::unlink(from.c_str());
  return NewName::Ours;
}

}  // namespace platform
