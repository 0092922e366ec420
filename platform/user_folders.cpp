#include "platform/user_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/file_info.h"

namespace platform {

namespace fs = std::filesystem;

std::string PrivateTempFolderPath() {
  const char* tmpdir = std::getenv("TMPDIR");
  const fs::path temp = tmpdir && fs::path(tmpdir).is_absolute() ? tmpdir : "/tmp";
  return (temp / ("vantello-" + std::to_string(UserId()))).string();
}

std::string PrivateTempFolder() {
  const std::string folder = PrivateTempFolderPath();
  ::mkdir(folder.c_str(), 0700);  // there already is fine: it is checked below
  return IsOwnPrivateFolder(folder) ? folder : "";
}

std::string RuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && fs::path(runtime).is_absolute() && IsOwnPrivateFolder(runtime)) return runtime;
  return PrivateTempFolder();
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && fs::path(home).is_absolute()) return home;
  struct passwd entry;
  struct passwd* found = nullptr;
  char buffer[4096];
  if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_dir &&
      fs::path(found->pw_dir).is_absolute())
    return found->pw_dir;
  return PrivateTempFolder();
}

std::string XdgFolder(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  if (value && fs::path(value).is_absolute()) return value;
  const std::string home = HomeFolder();
  return home.empty() ? "" : (fs::path(home) / fallback).string();
}

}  // namespace platform
