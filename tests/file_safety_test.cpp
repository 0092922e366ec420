// The saved-game file's guards: read-only files and symbolic links, the lock that keeps
// a second copy of the game away, and the removal of temporaries a killed write left.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "persistence/saved_game.h"
#include "persistence/single_copy.h"
#include "platform/file_lock.h"
#include "platform/testing/fake_platform.h"
#include "tests/profile_test_support.h"
#include "tests/test_machine.h"

namespace {

using platform::FileLock, platform::ProfileFile;
using testing_support::ReadBytes, testing_support::TempFolder, testing_support::WriteBytes;

TEST(FileSafety, ReadOnlyFilesAndDeadLinksFailLinkedFilesKeepModeAndOwner) {
  TempFolder folder;
  const std::string ini = folder.File("Vantello.ini"), target = folder.File("games.ini");
  WriteBytes(ini, "[CurrentGame]\nCredits=5\n");
  ASSERT_EQ(chmod(ini.c_str(), 0444), 0);  // root too must leave it alone
  ProfileFile read_only(ini);
  platform::testing::FakePlatform boxes;
  EXPECT_FALSE(persistence::SaveGameSection(rules::GameState{}, read_only, 8, "CurrentGame", &boxes));
  EXPECT_EQ(read_only.Failure(), "the file is read-only");
  EXPECT_EQ(boxes.boxes, std::vector<std::string>{"Error: Unable to write to " + ini});
  EXPECT_EQ(ReadBytes(ini), "[CurrentGame]\nCredits=5\n");

  WriteBytes(target, "[Mine]\nkeep=me\n");
  ASSERT_EQ(chmod(target.c_str(), 0640), 0);
  const bool root = ::getuid() == 0;  // only root can give a file to someone else
  ASSERT_EQ(root ? chown(target.c_str(), 4321, 4322) : 0, 0);
  std::filesystem::create_symlink("games.ini", folder.path / "link.ini");
  ProfileFile linked(folder.File("link.ini"));
  ASSERT_TRUE(linked.WriteSection("CurrentGame", {{"Spins", "3"}})) << linked.Failure();
  EXPECT_EQ(ReadBytes(target), "[Mine]\nkeep=me\n[CurrentGame]\nSpins=3\n");
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path / "link.ini"));
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_uid, root ? 4321u : ::getuid());
  EXPECT_EQ(st.st_gid, root ? 4322u : ::getgid());

  std::filesystem::remove(target);
  EXPECT_FALSE(linked.WriteSection("CurrentGame", {{"Spins", "4"}}));
  EXPECT_EQ(linked.Failure(), "it is a symbolic link that leads nowhere");
  EXPECT_FALSE(std::filesystem::exists(target));
}

// Where the data folder's own lock cannot be had (a folder, pipe or unopenable file in its
// place, a read-only folder) the lock outside it still keeps a second copy away; with
// neither the copy is told why and does not play.
TEST(FileSafety, ALockOutsideTheFolderStandsInForOneThatCannotBeHad) {
  using State = persistence::CopyLock::State;
  TempFolder data, runtime, other;
  const std::string ini = data.File("Vantello.ini");
  {
    persistence::CopyLock first(ini, runtime.path.string());
    EXPECT_EQ(first.Get(), State::Held);
    EXPECT_EQ(persistence::CopyLock(ini, other.path.string()).Get(), State::Busy);  // the folder's lock
    EXPECT_EQ(persistence::CopyLock(ini, "").Get(), State::Busy);
  }
  for (const char* in_place : {"folder", "pipe"}) {
    SCOPED_TRACE(in_place);
    std::filesystem::remove_all(persistence::LockPathFor(ini));
    if (std::string(in_place) == "folder")
      std::filesystem::create_directory(persistence::LockPathFor(ini));
    else
      ASSERT_EQ(::mkfifo(persistence::LockPathFor(ini).c_str(), 0600), 0);  // must not hold the start
    persistence::CopyLock first(ini, runtime.path.string());
    EXPECT_EQ(first.Get(), State::Held);
    // Reached another way, the folder is the same folder and its outer lock the same lock.
    std::filesystem::create_directory_symlink(data.path, other.path / "link");
    EXPECT_EQ(persistence::CopyLock(other.File("link/./Vantello.ini"), runtime.path.string()).Get(), State::Busy);
    std::filesystem::remove(other.path / "link");
    persistence::CopyLock alone(ini, "");
    EXPECT_EQ(alone.Get(), State::NoLock);
    EXPECT_EQ(alone.Why(), persistence::LockPathFor(ini) + " (Not a plain file), and there is no folder of the "
                                                          "user's own in $XDG_RUNTIME_DIR or /tmp to lock instead");
  }
  const std::string outer = persistence::OuterLockPathFor(ini, runtime.path.string());
  EXPECT_EQ(std::filesystem::path(outer).parent_path(), runtime.path);
  EXPECT_NE(outer, persistence::OuterLockPathFor(other.File("Vantello.ini"), runtime.path.string()));
  persistence::CopyLock nowhere(ini, runtime.File("missing"));
  EXPECT_EQ(nowhere.Get(), State::NoLock);
  EXPECT_NE(nowhere.Why().find(", nor " + persistence::OuterLockPathFor(ini, runtime.File("missing")) +
                               " (No such file or directory)"),
            std::string::npos)
      << nowhere.Why();
}

TEST(FileSafety, OneCopyHoldsTheLockAndClearsOnlyOurStaleTemporaries) {
  TempFolder folder;
  const std::string ini = folder.File("Vantello.ini"), lock = persistence::LockPathFor(ini);
  EXPECT_EQ(lock, folder.File("Vantello.lock"));
  {
    FileLock first(lock);
    EXPECT_EQ(first.Get(), FileLock::State::Held);
    EXPECT_EQ(FileLock(lock).Get(), FileLock::State::Busy);  // flock: even within one process
  }
  EXPECT_EQ(FileLock(lock).Get(), FileLock::State::Held);
  EXPECT_EQ(FileLock(folder.File("missing/Vantello.lock")).Get(), FileLock::State::Unavailable);
  WriteBytes(folder.File("Vantello-rescue-2.ini.Rr12Tt"), "x");

  std::string made;  // a temporary as a save makes it, then killed mid-write
  ::close(platform::SystemFileOps().CreateTemp(ini, made));
  ASSERT_TRUE(std::filesystem::exists(made));
  WriteBytes(folder.File("Vantello-rescue.ini.q0W9e8"), "x");
  std::vector<std::string> kept = {"Vantello-rescue-21.ini.Rr12Tt",  // past the numbered rescues
                                   "Vantello.ini.abc12", "Vantello.ini.abc1234", "Vantello.ini.ab-123",
                                   "Vantello.iniXabc123", "Other.ini.abc123", "Vantello.lock"};
  for (const auto& name : kept) WriteBytes(folder.File(name), "x");
  std::filesystem::create_directory(folder.path / "Vantello.ini.Dir123");
  std::filesystem::create_symlink("Other.ini.abc123", folder.path / "Vantello.ini.Lnk123");
  kept.insert(kept.end(), {"Vantello.ini.Dir123", "Vantello.ini.Lnk123"});

  persistence::RemoveStaleTemps(ini);
  std::vector<std::string> names = folder.Names();
  std::sort(names.begin(), names.end());
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(names, kept);
}

// Saved games the game cannot read (a file over the size it reads) are never replaced, and
// the player hears of it once, at the start, with where the file is.
TEST(FileSafety, AnUnreadableSavedGamesFileIsSaidAtTheStartAndLeftAlone) {
  testing_support::TestForm t;
  const std::string ini = (t.folder / "Vantello.ini").string();
  std::string huge = "[CurrentGame]\nCredits=4321\n";
  huge.resize(platform::kMaxProfileFileBytes + 1, '\n');
  testing_support::WriteBytes(ini, huge);
  t.fake.boxes.clear();
  t.Reopen();
  EXPECT_EQ(t.fake.boxes, std::vector<std::string>{"Information: " + app::UnreadableSavedGames(ini)});
  EXPECT_EQ(t.form->Machine().g.Credits, 1000);
  t.fake.confirm_answer = true;  // Exit, and close anyway when the save fails
  t.form->PressCommand(view::CmdExit);
  EXPECT_TRUE(t.form->Closed());
  EXPECT_EQ(testing_support::ReadBytes(ini), huge);
  EXPECT_EQ(t.fake.boxes.back(), "Confirm: Your game could not be saved. Close Vantello anyway?");

  // A file of the size it reads is read as ever, and nothing is said.
  huge.resize(platform::kMaxProfileFileBytes);
  testing_support::WriteBytes(ini, huge);
  t.fake.boxes.clear();
  t.Reopen();
  EXPECT_TRUE(t.fake.boxes.empty()) << t.fake.boxes.front();
  EXPECT_EQ(t.form->Machine().g.Credits, 4321);
}

}  // namespace
