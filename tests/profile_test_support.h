// Helpers for the tests that read and write files: a scratch folder under /tmp, whole-file
// reads and writes, the manual as shipped (and <regex> to read it), and file operations
// that fail at a chosen step.
#pragma once
#include <stdlib.h>

#include <filesystem>
#include <fstream>
// GCC 12 with the sanitizers warns of an uninitialised std::function deep inside
// libstdc++'s regex compiler: a known false positive in the library, not in the tests.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#pragma GCC diagnostic pop
#include <sstream>
#include <string>
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

// The real file system, except that the step named in `fail` goes wrong the way it does
// on a full disk or a read-only folder.
struct FailingFileOps : platform::FileOps {
  explicit FailingFileOps(std::string step = {}) : fail(std::move(step)) {}
  ReadResult ReadAll(const std::string& path, size_t limit, std::string& out) override {
    if (fail == "ReadAll") return ReadResult::Refused;
    return FileOps::ReadAll(path, limit, out);
  }
  int CreateTemp(const std::string& path, std::string& temp_path) override {
    ++temps;
    if (fail == "CreateTemp") return -1;
    return FileOps::CreateTemp(path, temp_path);
  }
  bool Write(int fd, std::string_view bytes) override {
    if (fail != "Write") return FileOps::Write(fd, bytes);
    FileOps::Write(fd, bytes.substr(0, bytes.size() / 2));  // the disk filled up halfway
    return false;
  }
  bool Sync(int fd) override { return fail != "Sync" && FileOps::Sync(fd); }
  bool Close(int fd) override { return FileOps::Close(fd) && fail != "Close"; }
  bool Rename(const std::string& from, const std::string& to) override {
    ++renames;
    return fail != "Rename" && FileOps::Rename(from, to);
  }
  std::string fail;
  int temps = 0;
  int renames = 0;
};

}  // namespace testing_support
