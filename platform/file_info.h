// What the file system says about a path: who owns a folder, when a file was written.
#pragma once
#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The user's numeric id, as the system knows it.
unsigned UserId();

// A folder of this user's own that other users cannot write into. Anything else at the
// path (missing, a file, someone else's folder, one open to all) is not.
bool IsOwnPrivateFolder(const std::string& path);

// A modification time to the nanosecond; later times compare greater.
struct FileTime {
  int64_t seconds = 0;
  int64_t nanoseconds = 0;
  auto operator<=>(const FileTime&) const = default;
};

struct FileFacts {
  bool regular_file = false;  // a plain file, not a folder or a device
  FileTime modified;
};
// What stands at the path, following links; nullopt when nothing can be found there.
std::optional<FileFacts> LookUpFile(const std::string& path);

// Names that two running games could both want (rescues, files kept aside) are had by
// one of them alone: neither of these ever replaces what stands at the name.
enum class NewName { Ours, Taken, Refused };
// Makes an empty file at `path`, open to its owner alone.
NewName ClaimNewFile(const std::string& path);
// Moves `from` to `to`.
NewName RenameToNewName(const std::string& from, const std::string& to);

}  // namespace platform
