// Helpers for the tests that read and write files: a scratch folder under /tmp, whole-file
// reads and writes, the manual as shipped (and <regex> to read it), and file operations
// that fail at a chosen step and keep a journal.
#pragma once
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
// GCC 12 with the sanitizers warns of an uninitialised std::function deep inside
// libstdc++'s regex compiler: a known false positive in the library, not in the tests.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#pragma GCC diagnostic pop
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/profile_file.h"

namespace testing_support {

struct TempFolder {
  TempFolder() {
    char name[] = "/tmp/vantello-test-XXXXXX";
    path = mkdtemp(name);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string File(const std::string& name) const { return (path / name).string(); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path))
      names.push_back(entry.path().filename().string());
    return names;
  }
  std::filesystem::path path;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

inline std::string ShippedManual() { return ReadBytes(std::string(VANTELLO_PROGRAM_DIR) + "Vantello.hlp"); }

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The real file system with what a test asks of it: the step named in `fail` ("ReadAll",
// "CreateTemp", "Write", "Sync", "Close" or "Rename") goes wrong the way it does on a full
// disk or a read-only folder; from save `fail_saves_from` on (counted from 1) every save
// fails; without `flush` nothing is flushed to disk, so that thousands of saves stay quick;
// and `journal` keeps the reads ("load") and the saves ("save", "save failed"), a save's
// own read of the file counting as part of it.
struct TestFileOps : platform::FileOps {
  explicit TestFileOps(std::string step = {}) : fail(std::move(step)) {}
  ReadResult ReadAll(const std::string& path, size_t limit, std::string& out) override {
    journal.push_back("load");
    if (fail == "ReadAll") return ReadResult::Refused;
    const ReadResult result = FileOps::ReadAll(path, limit, out);
    last_read = result == ReadResult::Ok ? out : "";
    return result;
  }
  int CreateTemp(const std::string& path, std::string& temp_path) override {
    ++temps;
    if (journal.empty()) journal.emplace_back();
    journal.back() = "save";
    written.clear();
    if (fail == "CreateTemp") return -1;
    return FileOps::CreateTemp(path, temp_path);
  }
  bool Write(int fd, std::string_view bytes) override {
    written += bytes;
    if (fail != "Write") return FileOps::Write(fd, bytes);
    FileOps::Write(fd, bytes.substr(0, bytes.size() / 2));  // the disk filled up halfway
    return false;
  }
  bool Sync(int fd) override { return !flush || (fail != "Sync" && FileOps::Sync(fd)); }
  bool Close(int fd) override { return FileOps::Close(fd) && fail != "Close"; }
  bool Rename(const std::string& from, const std::string& to) override {
    ++renames;
    if (fail == "Rename" || (fail_saves_from > 0 && renames >= fail_saves_from)) {
      if (!journal.empty()) journal.back() += " failed";
      return false;
    }
    if (on_save && !journal.empty()) on_save(journal.back());
    return flush ? FileOps::Rename(from, to) : std::rename(from.c_str(), to.c_str()) == 0;
  }

  std::string fail;
  int fail_saves_from = 0;
  bool flush = true;
  int temps = 0;
  int renames = 0;
  std::vector<std::string> journal;
  // What the last whole read found, what the save under way wrote; a save that is about to
  // land can add to its journal entry.
  std::string last_read, written;
  std::function<void(std::string& entry)> on_save;
};

}  // namespace testing_support
