// Where a user's files go on a Linux desktop: the home folder and the XDG base folders.
#pragma once
#include <string>

namespace platform {

// A folder of this user's own in $TMPDIR (or /tmp): "vantello-<user id>", for a user
// with no home folder and for a rescue with nowhere else to go.
std::string PrivateTempFolderPath();
// That folder, made if need be (open to its owner alone) and checked to be the user's own
// and closed to others; "" when it cannot be had (someone else's folder of that name).
std::string PrivateTempFolder();

// $XDG_RUNTIME_DIR when it names a folder of this user's own, closed to others (as the
// desktop makes it at login); else the private temporary folder; "" when neither can be had.
std::string RuntimeFolder();

// $HOME, or the password file's home when HOME is not an absolute path; with neither, the
// private temporary folder, never world-writable /tmp itself. "" when there is none.
std::string HomeFolder();

// The base folder an XDG variable names ("XDG_DATA_HOME", "XDG_STATE_HOME",
// "XDG_CONFIG_HOME"), or the home folder + `fallback` (".local/share", ...) when the
// variable is unset or not an absolute path, as the XDG rules say; "" when there is no
// home folder to go by.
std::string XdgFolder(const char* variable, const char* fallback);

}  // namespace platform
