// Where a user's files go on a Linux desktop: the home folder and the XDG base folders.
#pragma once
#include <string>

namespace platform {

// $HOME, or the password file's home when HOME is not an absolute path; "/tmp" at worst.
std::string HomeFolder();

// The base folder an XDG variable names ("XDG_DATA_HOME", "XDG_STATE_HOME",
// "XDG_CONFIG_HOME"), or the home folder + `fallback` (".local/share", ...) when the
// variable is unset or not an absolute path, as the XDG rules say.
std::string XdgFolder(const char* variable, const char* fallback);

}  // namespace platform
