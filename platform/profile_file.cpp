#include "platform/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>

#include "platform/words.h"

namespace platform {
namespace {

std::string_view Trim(std::string_view s) {
  constexpr std::string_view kBlanks = " \t\r";
  size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

struct Line {
  size_t begin;  // first byte of the line
  size_t end;    // end of its text, before the line break
  size_t next;   // first byte of the next line; equals `end` when the line has no break
};

Line LineAt(const std::string& t, size_t pos) {
  size_t nl = t.find('\n', pos);
  if (nl == std::string::npos) return {pos, t.size(), t.size()};
  size_t end = (nl > pos && t[nl - 1] == '\r') ? nl - 1 : nl;
  return {pos, end, nl + 1};
}

// A new line takes the break the file already uses, so a CR LF file stays CR LF.
std::string LineBreakOf(const std::string& t) {
  size_t nl = t.find('\n');
  return (nl != std::string::npos && nl > 0 && t[nl - 1] == '\r') ? "\r\n" : "\n";
}

struct Parsed {
  enum Kind { Other, Section, Key } kind = Other;
  std::string_view name;
  size_t value_begin = 0;  // for a key: where its value starts
};

Parsed ParseLine(const std::string& t, const Line& line) {
  std::string_view s(t.data() + line.begin, line.end - line.begin);
  // Some editors start a file with the UTF-8 byte order mark.
  size_t skip = (line.begin == 0 && s.starts_with("\xEF\xBB\xBF")) ? 3 : 0;
  s.remove_prefix(skip);
  size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos || s[first] == ';' || s[first] == '#') return {};
  if (s[first] == '[') {
    std::string_view rest = s.substr(first + 1);
    return {Parsed::Section, Trim(rest.substr(0, rest.find(']'))), 0};
  }
  size_t eq = s.find('=');
  if (eq == std::string_view::npos) return {};
  std::string_view key = Trim(s.substr(0, eq));
  if (key.empty()) return {};
  // A value written over this one keeps the blanks that lead up to it.
  size_t value = s.find_first_not_of(" \t", eq + 1);
  if (value == std::string_view::npos) value = s.size();
  return {Parsed::Key, key, line.begin + skip + value};
}

struct Span {
  bool found = false;
  size_t begin = 0, end = 0;  // the value as it stands, blanks and all
};

struct SectionScan {
  bool found = false;
  size_t insert_at = 0;             // where a new key of the section goes
  bool insert_needs_break = false;  // the line before it lacks a line break
  std::vector<Span> values;         // one for each key asked for
};

// One pass over the first section of the name finds every key asked for (names are
// distinct), so a whole game costs one reading of the file however long it is.
SectionScan Scan(const std::string& t, std::string_view section,
                 const std::vector<std::string_view>& keys) {
  SectionScan scan;
  scan.values.resize(keys.size());
  bool inside = false;
  for (size_t pos = 0; pos < t.size();) {
    Line line = LineAt(t, pos);
    Parsed p = ParseLine(t, line);
    pos = line.next;
    if (p.kind == Parsed::Section) {
      if (inside) break;  // only the first section of that name counts
      inside = SameName(p.name, section);
    }
    if (!inside || p.kind == Parsed::Other) continue;
    scan.found = true;
    scan.insert_at = line.next;
    scan.insert_needs_break = line.next == line.end;
    if (p.kind != Parsed::Key) continue;
    for (size_t i = 0; i < keys.size(); ++i) {
      if (SameName(p.name, keys[i])) {
        if (!scan.values[i].found) scan.values[i] = {true, p.value_begin, line.end};
        break;
      }
    }
  }
  return scan;
}

// What went wrong, with the system's reason when the failed step gave one.
std::string WithReason(const std::string& what) {
  // TRANSLATORS: why a file could not be written: %1 is the step that failed ("the new file
  // could not be written"), %2 the system's reason ("No space left on device").
  return errno != 0 ? FillIn(_("%1: %2"), {what, std::strerror(errno)}) : what;
}

// The owner's write bit, not access(): root may write anything, yet a file the player
// made read-only is meant to stay as it is.
bool OwnerMayWrite(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) != 0 || (st.st_mode & S_IWUSR) != 0;
}

std::string OneLine(std::string_view value) {
  std::string line;
  for (char c : value)
    if (c != '\r' && c != '\n') line += c;
  return line;
}

}  // namespace

namespace {

// The length of the UTF-8 character `s` starts with, or 0 when it starts with none: a
// stray or missing continuation byte, an overlong form, a surrogate, or past U+10FFFF.
size_t Utf8Length(std::string_view s) {
  const auto c = static_cast<unsigned char>(s[0]);
  if (c < 0x80) return 1;
  size_t length = c < 0xC2 ? 0 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : c < 0xF5 ? 4 : 0;
  if (length == 0 || s.size() < length) return 0;
  // The second byte's range is what rules out the overlong forms and the surrogates.
  const auto second = static_cast<unsigned char>(s[1]);
  if (second < (c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80) ||
      second > (c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF))
    return 0;
  for (size_t i = 2; i < length; ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0;
  return length;
}

}  // namespace

std::string CutToCharacters(std::string_view text, size_t chars) {
  size_t end = 0, count = 0;
  for (; end < text.size(); ++end) {
    const bool starts_character = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
    if (starts_character && count++ == chars) break;
  }
  return std::string(text.substr(0, end));
}

std::string CutToBytes(std::string_view text, size_t bytes) {
  constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
  std::string out;
  for (size_t i = 0; i < text.size();) {
    size_t length = Utf8Length(text.substr(i));
    std::string_view piece = text.substr(i, length);
    if (length == 0) {
      piece = kReplacement;
      while (i < text.size() && Utf8Length(text.substr(i)) == 0) ++i;
    }
    i += length;
    if (out.size() + piece.size() > bytes) break;
    out += piece;
  }
  return out;
}

std::vector<std::optional<std::string>> ProfileText::Read(
    std::string_view section, const std::vector<std::string_view>& keys) const {
  SectionScan scan = Scan(text_, section, keys);
  std::vector<std::optional<std::string>> values(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    const Span& v = scan.values[i];
    if (v.found)
      values[i] = CutToBytes(Trim(std::string_view(text_).substr(v.begin, v.end - v.begin)),
                             kMaxProfileValueBytes);
  }
  return values;
}

std::optional<std::string> ProfileText::Read(std::string_view section, std::string_view key) const {
  return Read(section, std::vector<std::string_view>{key})[0];
}

std::string ProfileText::ReadString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
  auto value = Read(section, key);
  return value ? *value : std::string(fallback);
}

void ProfileText::Write(std::string_view section,
                        const std::vector<std::pair<std::string, std::string>>& keys) {
  std::vector<std::string_view> names;
  names.reserve(keys.size());
  for (const auto& key : keys) names.push_back(key.first);
  SectionScan scan = Scan(text_, section, names);
  const std::string br = LineBreakOf(text_);

  std::vector<size_t> in_place;  // keys already there, in the order they stand
  std::string added;             // lines of the keys the section lacks
  for (size_t i = 0; i < keys.size(); ++i) {
    if (scan.values[i].found)
      in_place.push_back(i);
    else
      added += keys[i].first + "=" + OneLine(keys[i].second) + br;
  }
  std::sort(in_place.begin(), in_place.end(),
            [&](size_t a, size_t b) { return scan.values[a].begin < scan.values[b].begin; });

  std::string out;
  out.reserve(text_.size() + added.size() + section.size() + 8);
  size_t copied = 0;
  auto copy_to = [&](size_t end) {
    out.append(text_, copied, end - copied);
    copied = end;
  };
  for (size_t i : in_place) {
    copy_to(scan.values[i].begin);
    out += OneLine(keys[i].second);
    copied = scan.values[i].end;
  }
  if (scan.found && !added.empty()) {
    copy_to(scan.insert_at);
    if (scan.insert_needs_break) out += br;
    out += added;
  }
  copy_to(text_.size());
  if (!scan.found && !added.empty()) {
    if (!out.empty() && out.back() != '\n') out += br;
    out += '[';
    out += section;
    out += ']';
    out += br;
    out += added;
  }
  text_ = std::move(out);
}

void ProfileText::Write(std::string_view section, std::string_view key, std::string_view value) {
  Write(section, {{std::string(key), std::string(value)}});
}

FileOps::ReadResult FileOps::ReadAll(const std::string& path, size_t limit, std::string& out) {
  // Non-blocking, so that a pipe put in the file's place cannot hang the game.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::Missing : ReadResult::Refused;
  ReadResult result = ReadResult::Refused;
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<size_t>(st.st_size) <= limit) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
      ssize_t got = ::read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) break;
      if (got == 0) {
        result = ReadResult::Ok;
        break;
      }
      if (bytes.size() + static_cast<size_t>(got) > limit) break;  // it grew meanwhile
      bytes.append(buffer, static_cast<size_t>(got));
    }
    if (result == ReadResult::Ok) out = std::move(bytes);
  }
  ::close(fd);
  return result;
}

int FileOps::CreateTemp(const std::string& path, std::string& temp_path) {
  std::string name = path + ".XXXXXX";
  int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) {
    // Only root may give a file away (EPERM for anyone else, whose file it is anyway).
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) errno = 0;
    ::fchmod(fd, st.st_mode & 07777);
  }
  temp_path = name;
  return fd;
}

bool FileOps::Write(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(put));
  }
  return true;
}

bool FileOps::Sync(int fd) { return ::fsync(fd) == 0; }

bool FileOps::Close(int fd) { return ::close(fd) == 0; }

bool FileOps::Rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return false;
  // The new name is on disk only once its folder is; the file is in place either way.
  std::string folder = std::filesystem::path(to).parent_path().string();
  int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

void FileOps::Remove(const std::string& path) { ::unlink(path.c_str()); }

FileOps& SystemFileOps() {
  static FileOps ops;
  return ops;
}

bool IsTempNameOf(std::string_view name, std::string_view file) {
  // mkostemp's six characters are letters and digits.
  if (name.size() != file.size() + 7 || !name.starts_with(file) || name[file.size()] != '.') return false;
  return std::all_of(name.begin() + file.size() + 1, name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
  });
}

void RemoveStaleTemps(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path file(path);
  const std::string base = file.filename().string();
  std::error_code ec;
  fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    // A link or a folder of that name is not one of ours.
    if (IsTempNameOf(entry.path().filename().string(), base) && entry.is_regular_file(ec) &&
        !entry.is_symlink(ec))
      ::unlink(entry.path().c_str());
  }
}

ProfileFile::ProfileFile(std::string path, FileOps* ops)
    : path_(std::move(path)), ops_(ops ? ops : &SystemFileOps()) {}

ProfileText ProfileFile::Read() const {
  std::string text;
  last_read_ = ops_->ReadAll(path_, kMaxProfileFileBytes, text);
  if (last_read_ != FileOps::ReadResult::Ok) return ProfileText();
  return ProfileText(std::move(text));
}

bool ProfileFile::Fail(std::string why) {
  failure_ = std::move(why);
  return false;
}

bool ProfileFile::WriteSection(std::string_view section,
                               const std::vector<std::pair<std::string, std::string>>& keys) {
  return Replace([&](ProfileText& text) { text.Write(section, keys); }, true);
}

bool ProfileFile::WriteWhole(const ProfileText& text) {
  return Replace([&](ProfileText& whole) { whole = text; }, false);
}

bool ProfileFile::Replace(const std::function<void(ProfileText&)>& change, bool merge) {
  failure_.clear();
  // A renamed file would replace a symbolic link with a plain file: write where it points.
  std::string target = path_;
  std::error_code ec;
  if (std::filesystem::is_symlink(path_, ec)) {
    target = std::filesystem::canonical(path_, ec).string();
    // TRANSLATORS: why a file could not be written; it follows the file's path in brackets,
    // as do the texts like it below.
    if (ec) return Fail(_("it is a symbolic link that leads nowhere"));
  }
  // TRANSLATORS: why a file could not be written.
  if (!OwnerMayWrite(target)) return Fail(_("the file is read-only"));

  std::string old;
  errno = 0;
  if (merge) {
    switch (ops_->ReadAll(target, kMaxProfileFileBytes, old)) {
      case FileOps::ReadResult::Ok: break;
      case FileOps::ReadResult::Missing: old.clear(); break;
      case FileOps::ReadResult::Refused:  // merging would lose what is there
        // TRANSLATORS: why a file could not be written.
        return Fail(WithReason(_("the file is unreadable, over 4 MB or not a regular file")));
    }
  }
  ProfileText text(std::move(old));
  change(text);
  // Never write a file that the next start would refuse to read.
  // TRANSLATORS: why a file could not be written.
  if (text.Text().size() > kMaxProfileFileBytes) return Fail(_("the file would grow over 4 MB"));

  std::string temp;
  errno = 0;
  int fd = ops_->CreateTemp(target, temp);
  // TRANSLATORS: why a file could not be written: the new copy that replaces it could not be made.
  if (fd < 0) return Fail(WithReason(_("no new file could be made beside it")));
  errno = 0;
  bool ok = ops_->Write(fd, text.Text()) && ops_->Sync(fd);
  ok = ops_->Close(fd) && ok;
  ok = ok && ops_->Rename(temp, target);
  if (ok) return true;
  // TRANSLATORS: why a file could not be written: the new copy that replaces it.
  std::string why = WithReason(_("the new file could not be written"));
  ops_->Remove(temp);
  return Fail(why);
}

}  // namespace platform
