#include "platform/file_info.h"

#include <sys/stat.h>
#include <unistd.h>

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

}  // namespace platform
