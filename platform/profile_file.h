// The INI profile file the saved games live in. ProfileText is the file's text in
// memory, edited so that only the values written change and every other byte (other
// sections, comments, unknown keys, line ends) stays as it was. ProfileFile reads the
// file from disk for each use and replaces it whole on a write, through a temporary
// file that is renamed over the old one, so a failed write never leaves it half done.
#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// A longer value is cut to 1023 bytes on reading, as the game always kept it.
constexpr size_t kMaxProfileValueBytes = 1023;
// A file larger than this is not ours: it reads as missing and is never overwritten.
constexpr size_t kMaxProfileFileBytes = size_t{4} * 1024 * 1024;

// The text as valid UTF-8 of at most `bytes` bytes: a character that does not fit whole
// is left out, and each run of bytes that are not UTF-8 becomes one U+FFFD.
std::string CutToBytes(std::string_view text, size_t bytes);
// The first `chars` characters of a UTF-8 text.
std::string CutToCharacters(std::string_view text, size_t chars);

// Section and key names match without regard to letter case. Lines starting with ';' or
// '#' are comments, lines before the first section are ignored, and where a section or a
// key appears twice the first one counts, for reading and for writing alike.
class ProfileText {
 public:
  explicit ProfileText(std::string text = {}) : text_(std::move(text)) {}

  // The value with the blanks around it dropped; nothing when the section or key is missing.
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // Several keys of one section at once, in one pass over the text.
  std::vector<std::optional<std::string>> Read(std::string_view section,
                                               const std::vector<std::string_view>& keys) const;

  // Replaces the value of a key where it stands, or adds the key at the end of its
  // section, or adds the section at the end of the text. Line breaks in the value are
  // dropped: a value is one line.
  void Write(std::string_view section, std::string_view key, std::string_view value);
  // Several keys of one section at once, as if written one after the other; the names
  // must differ from each other.
  void Write(std::string_view section,
             const std::vector<std::pair<std::string, std::string>>& keys);

  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// The file-system steps of reading and replacing a file. Tests make single steps fail.
class FileOps {
 public:
  enum class ReadResult { Ok, Missing, Refused };
  virtual ~FileOps() = default;
  // Reads a regular file of at most `limit` bytes. Refused for anything else: a
  // directory, a device, a larger file, a read error.
  virtual ReadResult ReadAll(const std::string& path, size_t limit, std::string& out);
  // Creates an empty temporary file "<path>.XXXXXX" in the folder of `path`, with the
  // permissions and, where allowed, the owner of `path` when that exists. Returns an
  // open descriptor and the file's name, or -1.
  virtual int CreateTemp(const std::string& path, std::string& temp_path);
  virtual bool Write(int fd, std::string_view bytes);
  virtual bool Sync(int fd);
  virtual bool Close(int fd);
  // Renames `from` over `to` and makes the rename itself durable.
  virtual bool Rename(const std::string& from, const std::string& to);
  virtual void Remove(const std::string& path);
};

// The real file system.
FileOps& SystemFileOps();

// Whether `name` is one of the temporary files FileOps::CreateTemp makes for a file
// named `file` (names only, no folders).
bool IsTempNameOf(std::string_view name, std::string_view file);
// Removes the temporary files left beside `path` by writes that never finished. Only
// for the one copy of the game that holds the folder's lock: then none is in use.
void RemoveStaleTemps(const std::string& path);

class ProfileFile {
 public:
  explicit ProfileFile(std::string path, FileOps* ops = nullptr);

  const std::string& Path() const { return path_; }

  // The file as it is now; empty when it is missing or refused.
  ProfileText Read() const;
  // The last read found a file there but could not read it safely: larger than
  // kMaxProfileFileBytes, unreadable, or not a regular file.
  bool LastReadRefused() const { return last_read_ == FileOps::ReadResult::Refused; }

  // Writes the keys into the section, in order, as one replacement of the whole file:
  // either all of them land or the file stays exactly as it was. A missing file is
  // created; a file that cannot be read safely first (too large, unreadable, not a
  // regular file) is left alone and the write fails. So is a file whose owner may not
  // write it: the player made it read-only, and that holds even for root. A symbolic
  // link is followed to the regular file it names, which keeps its mode and owner; a
  // link that leads nowhere fails.
  bool WriteSection(std::string_view section,
                    const std::vector<std::pair<std::string, std::string>>& keys);
  // Writes `text` as the whole file, in the same one replacement: whatever was there goes.
  bool WriteWhole(const ProfileText& text);
  // Why the last write failed, in a few words.
  const std::string& Failure() const { return failure_; }

 private:
  bool Fail(std::string why);
  bool Replace(const std::function<void(ProfileText&)>& change, bool merge);

  std::string path_;
  FileOps* ops_;
  std::string failure_;
  mutable FileOps::ReadResult last_read_ = FileOps::ReadResult::Missing;
};

}  // namespace platform
