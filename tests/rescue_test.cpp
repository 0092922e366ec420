// A game the desktop closed while it could not be saved: kept in a rescue file, said
// so on standard error, and offered back at the next start.
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "persistence/rescue.h"
#include "persistence/saved_game.h"
#include "platform/user_folders.h"
#include "tests/profile_test_support.h"
#include "tests/test_machine.h"

namespace {

namespace fs = std::filesystem;
using persistence::kCurrentGameSlot;
using platform::ProfileFile;
using testing_support::TestFileOps;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

bool Has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

TEST(Rescue, FoldersComeFromTheDesktopsVariables) {
  const char* names[] = {"HOME", "XDG_STATE_HOME", "TMPDIR"};
  std::vector<std::optional<std::string>> saved;
  for (const char* name : names) saved.push_back(getenv(name) ? std::optional<std::string>(getenv(name)) : std::nullopt);
  const std::string uid = std::to_string(::getuid());
  setenv("HOME", "/home/pat", 1);
  setenv("XDG_STATE_HOME", "/st", 1);
  setenv("TMPDIR", "/scratch", 1);
  EXPECT_EQ(persistence::RescueFolders("/data/vantello/Vantello.ini"),
            (std::vector<std::string>{"/data/vantello", "/st/vantello", "/scratch/vantello-" + uid}));
  setenv("XDG_STATE_HOME", "state", 1);  // a relative folder is not to be trusted
  unsetenv("TMPDIR");
  EXPECT_EQ(persistence::RescueFolders("/data/vantello/Vantello.ini"),
            (std::vector<std::string>{"/data/vantello", "/home/pat/.local/state/vantello", "/tmp/vantello-" + uid}));

  // The private folder a user with no home keeps the games in: made for the user alone, and
  // never one that someone else could have put there first.
  TempFolder scratch;
  setenv("TMPDIR", scratch.path.c_str(), 1);
  const std::string mine = scratch.File("vantello-" + uid);
  EXPECT_EQ(platform::PrivateTempFolder(), mine);
  EXPECT_EQ(fs::status(mine).permissions() & fs::perms::all, fs::perms::owner_all);
  fs::permissions(mine, fs::perms::all);  // open to every user: not private any more
  EXPECT_EQ(platform::PrivateTempFolder(), "");
  for (size_t i = 0; i < saved.size(); ++i) saved[i] ? setenv(names[i], saved[i]->c_str(), 1) : unsetenv(names[i]);
}

TEST(Rescue, AFailedSaveGoesToTheFirstFolderThatTakesIt) {
  TempFolder folder;
  rules::GameState g;
  g.Credits = 4321;
  const std::string today = "12/07/26";
  ProfileFile normal(folder.File("normal.ini"));
  ASSERT_TRUE(persistence::SaveGameSection(g, normal, kCurrentGameSlot, "CurrentGame", nullptr, today));

  fs::create_directories(folder.path / "data");
  TestFileOps full_disk("Write");
  ProfileFile saved(folder.File("data/Vantello.ini"), &full_disk);
  ASSERT_FALSE(persistence::SaveGameSection(g, saved, kCurrentGameSlot, "CurrentGame", nullptr, today));
  EXPECT_TRUE(Has(saved.Failure(), "the new file could not be written")) << saved.Failure();

  // Passed over: a file where a folder should be, and a folder anyone may put files in.
  WriteBytes(folder.File("not-a-folder"), "x");
  fs::create_directories(folder.path / "open");
  fs::permissions(folder.path / "open", fs::perms::all);
  const std::vector<std::string> folders = {folder.File("not-a-folder"), folder.File("open"), folder.File("data")};
  const std::string rescue = persistence::WriteRescue(g, saved.Path(), folders, nullptr, today);
  EXPECT_EQ(rescue, folder.File("data/Vantello-rescue.ini"));
  // The very section a save writes, and whose game it is after it.
  EXPECT_EQ(ReadBytes(rescue), ReadBytes(normal.Path()) + "RescuedFrom=" + saved.Path() + "\n");
  EXPECT_FALSE(fs::exists(folder.path / "open" / "Vantello-rescue.ini"));

  TestFileOps nowhere("CreateTemp");
  EXPECT_EQ(persistence::WriteRescue(g, saved.Path(), {folder.File("elsewhere")}, &nowhere, today), "");
  const std::string lost = persistence::RescueReport(saved, "", {folder.File("elsewhere")});
  EXPECT_TRUE(Has(lost, "unable to write to " + saved.Path() + " (" + saved.Failure() + ")")) << lost;
  EXPECT_TRUE(Has(lost, "no rescue file could be written either, in " + folder.File("elsewhere"))) << lost;
}

TEST(Rescue, ASignalThatCannotSaveKeepsTheGameAndTheNextStartOffersIt) {
  testing_support::TestForm t;
  const fs::path ini = t.folder / "Vantello.ini", rescue = t.folder / "Vantello-rescue.ini",
                 declined = t.folder / "Vantello-rescue-declined.ini";
  t.form->Machine().g.Credits = 4321;
  fs::create_symlink("gone/Vantello.ini", ini);  // leads nowhere: the save fails
  ::testing::internal::CaptureStderr();
  t.form->CloseOnSignal();
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(t.shell.closed);
  EXPECT_EQ(t.form->ExitStatus(), 1);
  EXPECT_TRUE(t.fake.boxes.empty());  // nobody to ask at a signal
  EXPECT_TRUE(Has(said, "unable to write to " + ini.string() + " (it is a symbolic link that leads nowhere)")) << said;
  EXPECT_TRUE(Has(said, "saved to " + rescue.string() + " instead")) << said;
  EXPECT_TRUE(Has(ReadBytes(rescue), "Credits=4321\n"));

  // Mended, and started again: Yes carries on with the rescued game and files it.
  fs::remove(ini);
  t.Reopen();
  EXPECT_EQ(t.fake.boxes, std::vector<std::string>{"Confirm: A game saved when the desktop closed was found in " +
                                                   rescue.string() + ". Open it?"});
  EXPECT_EQ(t.form->Machine().g.Credits, 4321);
  EXPECT_TRUE(Has(ReadBytes(ini), "Credits=4321\n"));
  EXPECT_FALSE(fs::exists(rescue));

  // No keeps the saved game and puts the rescue aside, never to be asked about again.
  WriteBytes(rescue, "[CurrentGame]\nCredits=77\n");
  fs::last_write_time(ini, fs::last_write_time(rescue) - std::chrono::hours(1));
  t.fake.boxes.clear();
  t.fake.confirm_answer = false;
  t.Reopen();
  EXPECT_EQ(t.form->Machine().g.Credits, 4321);
  ASSERT_EQ(t.fake.boxes.size(), 2u);
  EXPECT_EQ(t.fake.boxes[1], "Information: The game found was kept as " + declined.string() +
                                 " and will not be offered again.");
  EXPECT_TRUE(Has(ReadBytes(declined), "Credits=77"));
  t.fake.boxes.clear();
  t.Reopen();
  EXPECT_TRUE(t.fake.boxes.empty());

  // A rescue older than the saved game was overtaken by later play: not offered.
  WriteBytes(rescue, "[CurrentGame]\nCredits=77\n");
  fs::last_write_time(rescue, fs::last_write_time(ini) - std::chrono::hours(1));
  t.Reopen();
  EXPECT_TRUE(t.fake.boxes.empty());
  EXPECT_EQ(t.form->Machine().g.Credits, 4321);
}

// A signal while a box is up is no answer to it, and once it has started the close no
// other window opens: the rescue offer leaves the rescue and the saved game as they were;
// a failed Exit's error box ends in the rescue, with no question after it.
TEST(Rescue, ASignalWhileABoxIsUpClosesWithoutAnsweringIt) {
  testing_support::TestForm t;
  const fs::path ini = t.folder / "Vantello.ini", rescue = t.folder / "Vantello-rescue.ini";
  t.form->CloseWindow();  // a saved game to find
  WriteBytes(rescue, "[CurrentGame]\nCredits=77\n");
  fs::last_write_time(ini, fs::last_write_time(rescue) - std::chrono::hours(1));
  const std::string saved_before = ReadBytes(ini);
  auto signal_at = [&](const std::string& box) {
    t.fake.on_box = [&t, box](const std::string& text) {
      if (text.rfind(box, 0) != 0) return;
      t.fake.closing = true;  // what the real desktop does first
      t.form->CloseOnSignal();
    };
  };
  signal_at("Confirm: A game saved when the desktop closed");
  t.Reopen();
  EXPECT_TRUE(t.form->Closed());
  EXPECT_EQ(t.form->ExitStatus(), 0);
  EXPECT_EQ(t.fake.boxes.size(), 1u) << t.fake.boxes.back();
  EXPECT_EQ(ReadBytes(rescue), "[CurrentGame]\nCredits=77\n");  // still there to be offered
  EXPECT_EQ(ReadBytes(ini), saved_before);

  fs::remove(rescue);
  t.fake.on_box = nullptr;
  t.fake.closing = false;
  t.Reopen();
  t.form->Machine().g.Credits = 4321;
  fs::remove(ini);
  fs::create_symlink("gone/Vantello.ini", ini);  // the Exit's save fails
  t.fake.boxes.clear();
  signal_at("Error: Unable to write to");
  ::testing::internal::CaptureStderr();
  t.form->PressCommand(view::CmdExit);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(t.form->Closed());
  EXPECT_EQ(t.form->ExitStatus(), 1);
  EXPECT_EQ(t.fake.boxes, (std::vector<std::string>{"Confirm: Are you sure you want to exit the game?",
                                                     "Error: Unable to write to " + ini.string()}));
  EXPECT_TRUE(Has(ReadBytes(rescue), "Credits=4321\n")) << said;
}

// Only a rescue that holds a game of these saved games is offered. A file in a rescue's
// place that holds none is kept aside and said once; a rescue of other saved games waits
// for them; an accepted rescue keeps the game it replaces.
TEST(Rescue, OnlyARescueOfTheseSavedGamesIsOfferedAndNoGameIsLost) {
  testing_support::TestForm t;
  const fs::path ini = t.folder / "Vantello.ini", rescue = t.folder / "Vantello-rescue.ini",
                 aside = t.folder / "Vantello-rescue-unreadable.ini", before = t.folder / "Vantello-before-rescue.ini";
  t.form->Machine().g.Credits = 500;
  t.form->CloseWindow();
  const std::string saved = ReadBytes(ini);
  auto start_with = [&](const std::string& in_rescue) {
    WriteBytes(rescue, in_rescue);
    fs::last_write_time(ini, fs::last_write_time(rescue) - std::chrono::hours(1));
    t.fake.boxes.clear();
    t.Reopen();
  };
  const std::string said_aside =
      "Information: A file found in the place of a rescued game holds no game; it was kept as " + aside.string() + ".";
  for (const std::string& junk : {std::string(), std::string("\x01\xFFnot a game"), std::string("[Other]\nCredits=9\n"),
                                  std::string(platform::kMaxProfileFileBytes + 1, 'x')}) {
    SCOPED_TRACE(junk.size());
    fs::remove(aside);
    start_with(junk);
    EXPECT_EQ(t.fake.boxes, std::vector<std::string>{said_aside});
    EXPECT_EQ(ReadBytes(aside.string()), junk);
    EXPECT_FALSE(fs::exists(rescue));
    EXPECT_EQ(std::pair(t.form->Machine().g.Credits, ReadBytes(ini)), std::pair(500, saved));
  }
  fs::create_symlink(ini, rescue);  // someone else's file in its place
  t.fake.boxes.clear();
  t.Reopen();
  const fs::path second_aside = t.folder / "Vantello-rescue-unreadable-2.ini";  // the first is kept too
  EXPECT_EQ(t.fake.boxes, std::vector<std::string>{"Information: A file found in the place of a rescued game holds "
                                                   "no game; it was kept as " + second_aside.string() + "."});
  EXPECT_TRUE(fs::is_symlink(second_aside));
  EXPECT_TRUE(fs::exists(aside));
  EXPECT_EQ(ReadBytes(ini), saved);

  start_with("[CurrentGame]\nCredits=77\nRescuedFrom=/elsewhere/vantello/Vantello.ini\n");
  EXPECT_TRUE(t.fake.boxes.empty()) << t.fake.boxes.front();
  EXPECT_TRUE(fs::exists(rescue));

  t.fake.confirm_answer = true;
  start_with("[CurrentGame]\nCredits=77\nRescuedFrom=" + ini.string() + "\n");
  ASSERT_EQ(t.fake.boxes.size(), 2u);
  EXPECT_EQ(t.fake.boxes[1], "Information: The game you had before is kept in " + before.string() +
                                 "; put that file in the place of Vantello.ini to go back to it.");
  EXPECT_EQ(t.form->Machine().g.Credits, 77);
  EXPECT_FALSE(fs::exists(rescue));
  EXPECT_TRUE(Has(ReadBytes(before.string()), "Credits=500\n"));
}

// Two games rescued before either was offered (two data folders closing at once into the
// shared state folder, or a second close before a start) each keep their own file, and
// every one of them is offered: taking both keeps the game each replaced, and a second
// No keeps the first declined game too.
TEST(Rescue, RescuesNeverShareAFileAndEachIsOffered) {
  testing_support::TestForm t;
  const fs::path ini = t.folder / "Vantello.ini";
  TempFolder shared;
  const std::vector<std::string> folders{shared.path.string()};
  t.form->CloseWindow();
  fs::last_write_time(ini, fs::last_write_time(ini) - std::chrono::hours(1));
  rules::GameState first, second, other;
  first.Credits = 111;
  second.Credits = 222;
  other.Credits = 333;
  const std::string a = persistence::WriteRescue(first, ini.string(), folders);
  const std::string b = persistence::WriteRescue(other, "/elsewhere/Vantello.ini", folders);
  const std::string c = persistence::WriteRescue(second, ini.string(), folders);
  EXPECT_EQ(std::vector<std::string>({a, b, c}),
            std::vector<std::string>({shared.File("Vantello-rescue.ini"), shared.File("Vantello-rescue-2.ini"),
                                      shared.File("Vantello-rescue-3.ini")}));
  fs::last_write_time(a, fs::last_write_time(c) - std::chrono::minutes(1));
  EXPECT_EQ(persistence::FindRescue(ini.string(), folders).offers, std::vector<std::string>({c, a}));

  // Both taken, newest first: the table ends with the older one, and nothing is lost.
  t.rescue_folders = folders;
  t.fake.confirm_answer = true;
  t.fake.boxes.clear();
  t.Reopen();
  ASSERT_EQ(t.fake.boxes.size(), 4u);
  EXPECT_EQ(t.fake.boxes[0], "Confirm: A game saved when the desktop closed was found in " + c +
                                 " (1 of 2, newest first). Open it?");
  EXPECT_EQ(t.fake.boxes[2], "Confirm: A game saved when the desktop closed was found in " + a +
                                 " (2 of 2, newest first). Open it?");
  EXPECT_EQ(t.form->Machine().g.Credits, 111);
  EXPECT_TRUE(Has(ReadBytes((t.folder / "Vantello-before-rescue.ini").string()), "Credits=1000\n"));
  EXPECT_TRUE(Has(ReadBytes((t.folder / "Vantello-before-rescue-2.ini").string()), "Credits=222\n"));
  EXPECT_TRUE(fs::exists(b) && !fs::exists(a) && !fs::exists(c));  // the other folder's waits

  // Turned down twice: the second declined game does not replace the first.
  t.fake.confirm_answer = false;
  for (int credits : {444, 555}) {
    rules::GameState g;
    g.Credits = credits;
    fs::last_write_time(ini, fs::last_write_time(ini) - std::chrono::hours(1));
    persistence::WriteRescue(g, ini.string(), folders);
    t.Reopen();
  }
  EXPECT_TRUE(Has(ReadBytes(shared.File("Vantello-rescue-declined.ini")), "Credits=444\n"));
  EXPECT_TRUE(Has(ReadBytes(shared.File("Vantello-rescue-declined-2.ini")), "Credits=555\n"));
}

}  // namespace
