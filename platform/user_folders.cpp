#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace platform {

namespace fs = std::filesystem;

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && fs::path(home).is_absolute()) return home;
  struct passwd entry;
  struct passwd* found = nullptr;
  char buffer[4096];
  if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_dir &&
      fs::path(found->pw_dir).is_absolute())
    return found->pw_dir;
  return "/tmp";
}

std::string XdgFolder(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  if (value && fs::path(value).is_absolute()) return value;
  return (fs::path(HomeFolder()) / fallback).string();
}

}  // namespace platform
