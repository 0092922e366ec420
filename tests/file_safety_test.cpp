// The saved-game file's guards: read-only files and symbolic links, the lock that keeps
// a second copy of the game away, and the removal of temporaries a killed write left.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "persistence/saved_game.h"
#include "persistence/single_copy.h"
#include "platform/file_lock.h"
#include "platform/profile_file.h"
#include "platform/testing/fake_platform.h"
#include "tests/profile_test_support.h"

namespace {

using platform::FileLock;
using platform::ProfileFile;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st;
}

TEST(FileSafety, AReadOnlyFileIsAFailedSaveEvenForRoot) {
  TempFolder folder;
  const std::string ini = folder.File("Vantello.ini");
  WriteBytes(ini, "[CurrentGame]\nCredits=5\n");
  ASSERT_EQ(chmod(ini.c_str(), 0444), 0);
  ProfileFile file(ini);
  EXPECT_FALSE(file.WriteSection("CurrentGame", {{"Credits", "6"}}));
  EXPECT_EQ(file.Failure(), "the file is read-only");
  EXPECT_EQ(ReadBytes(ini), "[CurrentGame]\nCredits=5\n");
  EXPECT_EQ(StatOf(ini).st_mode & 07777, 0444u);

  platform::testing::FakePlatform boxes;
  EXPECT_FALSE(persistence::SaveGameSection(rules::GameState{}, file, persistence::kCurrentGameSlot,
                                            "CurrentGame", &boxes));
  EXPECT_EQ(boxes.boxes, std::vector<std::string>{"Error: Unable to write to " + ini});

  // The owner's bit is what counts: a file others may not write is still the player's.
  ASSERT_EQ(chmod(ini.c_str(), 0600), 0);
  EXPECT_TRUE(file.WriteSection("CurrentGame", {{"Credits", "6"}}));
}

TEST(FileSafety, ALinkIsWrittenThroughKeepingTheTargetsModeAndOwner) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path / "real");
  const std::string target = folder.File("real/games.ini");
  WriteBytes(target, "[Mine]\nkeep=me\n");
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  const bool root = ::getuid() == 0;  // only root can give the file to someone else
  if (root) {
    ASSERT_EQ(chown(target.c_str(), 4321, 4322), 0);
  }
  std::filesystem::create_symlink("real/games.ini", folder.path / "Vantello.ini");

  ProfileFile file(folder.File("Vantello.ini"));
  ASSERT_TRUE(file.WriteSection("CurrentGame", {{"Spins", "3"}})) << file.Failure();
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path / "Vantello.ini"));
  EXPECT_EQ(ReadBytes(target), "[Mine]\nkeep=me\n[CurrentGame]\nSpins=3\n");
  struct stat st = StatOf(target);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_uid, root ? 4321u : ::getuid());
  EXPECT_EQ(st.st_gid, root ? 4322u : ::getgid());

  std::filesystem::remove(target);  // now the link leads nowhere
  EXPECT_FALSE(file.WriteSection("CurrentGame", {{"Spins", "4"}}));
  EXPECT_EQ(file.Failure(), "it is a symbolic link that leads nowhere");
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(FileSafety, OneCopyHoldsTheFoldersLockUntilItEnds) {
  TempFolder folder;
  const std::string lock_path = persistence::LockPathFor(folder.File("Vantello.ini"));
  EXPECT_EQ(lock_path, folder.File("Vantello.lock"));
  {
    FileLock first(lock_path);
    EXPECT_EQ(first.Get(), FileLock::State::Held);
    FileLock second(lock_path);  // flock: a second opening is a second holder, even here
    EXPECT_EQ(second.Get(), FileLock::State::Busy);
  }
  EXPECT_EQ(FileLock(lock_path).Get(), FileLock::State::Held);
  EXPECT_EQ(FileLock(folder.File("missing/Vantello.lock")).Get(), FileLock::State::Unavailable);
}

TEST(FileSafety, StaleTemporariesOfOursGoAndNothingElse) {
  TempFolder folder;
  const std::string ini = folder.File("Vantello.ini");
  std::string made;
  int fd = platform::SystemFileOps().CreateTemp(ini, made);
  ASSERT_GE(fd, 0);
  ::close(fd);
  EXPECT_TRUE(platform::IsTempNameOf(std::filesystem::path(made).filename().string(), "Vantello.ini"));

  const std::vector<std::string> stale = {"Vantello.ini.Ab12Z9", "Vantello-rescue.ini.q0W9e8"};
  const std::vector<std::string> kept = {"Vantello.ini",        "Vantello.ini.abc12", "Vantello.ini.abc1234",
                                         "Vantello.ini.ab-123", "Vantello.iniXabc123", "Other.ini.abc123",
                                         "Vantello.lock"};
  for (const auto& name : stale) WriteBytes(folder.File(name), "x");
  for (const auto& name : kept) WriteBytes(folder.File(name), "x");
  std::filesystem::create_directory(folder.path / "Vantello.ini.Dir123");
  std::filesystem::create_symlink("Other.ini.abc123", folder.path / "Vantello.ini.Lnk123");

  persistence::RemoveStaleTemps(ini);
  std::vector<std::string> names = folder.Names();
  std::sort(names.begin(), names.end());
  std::vector<std::string> expected = kept;
  expected.push_back("Vantello.ini.Dir123");
  expected.push_back("Vantello.ini.Lnk123");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
}

}  // namespace
