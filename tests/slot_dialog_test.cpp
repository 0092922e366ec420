// The game slot dialog: what it lists, the order in which it parks, lists, saves, opens
// and brings back games through the saved-game file, and that a failing file never
// costs the player the game in hand or a slot.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "persistence/saved_game.h"
#include "dialogs/slot_dialog.h"
#include "platform/testing/fake_dialog.h"
#include "tests/profile_test_support.h"
#include "tests/test_machine.h"

namespace {

using platform::ButtonKind;
using platform::ProfileFile;
using platform::ProfileText;
using platform::testing::FakeDialog;
using platform::testing::FakeDialogFactory;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::TestMachine;

using persistence::kSlotCount;
constexpr auto kOpen = dialogs::SlotDialogMode::Open, kSave = dialogs::SlotDialogMode::Save;

// The text of a section as it stands in the file, to tell which sections a write changed.
std::string SectionText(const std::string& file, const std::string& section) {
  size_t start = file.find("[" + section + "]");
  if (start == std::string::npos) return {};
  std::string text = file.substr(start, file.find("\n[", start) - start);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

// The fields a section holds that the tests tell games apart by.
auto Saved(const rules::GameState& g) {
  return std::make_tuple(g.Credits, g.Borrowed, g.BellPool, g.Spins, g.Cherries, g.LinesPlayed,
                         g.CoinsPerLine, g.TotalBets, g.DoubleOrNothingWon, g.Sound, g.CountOffWins,
                         g.AutoSave);
}

std::vector<std::string> Loads(int n) { return std::vector<std::string>(n, "load"); }

std::vector<std::string> Then(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class SlotDialogTest : public ::testing::Test {
 protected:
  SlotDialogTest() : path(folder.File("Vantello.ini")), file(path, &ops) {
    // The journal names the sections each save changed: "save CurrentGame".
    ops.on_save = [this](std::string& entry) {
      for (int slot = 0; slot <= persistence::kCurrentGameSlot; ++slot) {
        const std::string section = persistence::SectionName(slot);
        if (SectionText(ops.last_read, section) != SectionText(ops.written, section)) entry += " " + section;
      }
    };
    tm.m.HelpFile = "/game/Vantello.hlp";
    rules::GameState& g = tm.m.g;
    g.GameName = "CurrentGame";
    g.Credits = 777, g.Borrowed = 500, g.BellPool = 260, g.Spins = 42, g.Cherries = 4;
    g.TotalBets = 96, g.DoubleOrNothingWon = -30, g.CountOffWins = false;
    g.LastSpinSummary = "Line 1: 20", g.CherryRollsLeft = 2;
  }

  // Writes a game into a slot the way an earlier save would have.
  void SaveIntoSlot(int slot, const std::string& name, int32_t credits, int32_t borrowed,
                    const std::string& date) {
    rules::GameState game;
    game.Credits = credits;
    game.Borrowed = borrowed;
    ASSERT_TRUE(persistence::SaveGameSection(game, file, slot, name, nullptr, date));
  }

  // Writes the live game into "CurrentGame" as the dialog will park it, so that parking
  // changes no byte of the file and the file can be compared whole.
  void ParkLiveGameAlready() {
    ASSERT_TRUE(persistence::SaveGameSection(tm.m.g, file, persistence::kCurrentGameSlot,
                                             "CurrentGame", nullptr, persistence::TodayDate()));
  }

  void Show(dialogs::SlotDialogMode mode, std::function<void(FakeDialog&)> script) {
    ops.journal.clear();
    dialogs.scripts.push_back(std::move(script));
    dialogs::ShowSlotDialog(tm.m, file, mode);
  }

  // The controls of slot n (1 up to kSlotCount) in the order its panel shows them: the
  // name field, the title, the date, the credits, the borrowed amount, then its button.
  static std::vector<int> PanelOf(const FakeDialog& d, int n) {
    int edits = 0;
    for (size_t i = 0; i + 5 < d.controls.size(); ++i)
      if (d.controls[i].kind == FakeDialog::Control::kEdit && ++edits == n) {
        const int first = static_cast<int>(i);
        return {first, first + 1, first + 2, first + 3, first + 4, first + 5};
      }
    return {-1, -1, -1, -1, -1, -1};
  }
  static int NameField(const FakeDialog& d, int n) { return PanelOf(d, n)[0]; }
  static int SlotButton(const FakeDialog& d, int n) { return PanelOf(d, n)[5]; }

  std::string SlotValue(int slot, const std::string& key) {
    return ProfileText(ReadBytes(path)).Read(persistence::SectionName(slot), key).value_or("<missing>");
  }

  TestMachine tm;
  FakeDialogFactory& dialogs = tm.dialogs;
  TempFolder folder;
  std::string path;
  testing_support::TestFileOps ops;
  ProfileFile file;
};

TEST_F(SlotDialogTest, ListsEverySlotInItsPanelAndHelpKeepsItOpen) {
  SaveIntoSlot(1, "Weekend", 4321, 2000, "03/04/25");
  Show(kOpen, [&](FakeDialog& d) {
    EXPECT_EQ(d.caption, "Open a Game -- Select Game Slot");
    EXPECT_EQ(d.help_topic, 41008);
    // Slot 2 as it was saved; the last slot, never saved, as a new game of today.
    const std::string slot2[] = {"Weekend", "Vantello", "03/04/25", "4321 Credits", "2000 Borrowed"};
    const std::string last[] = {"GameNo" + std::to_string(kSlotCount), "Vantello", persistence::TodayDate(),
                                "1000 Credits", "1000 Borrowed"};
    for (int k = 0; k < 5; ++k) {
      EXPECT_EQ(d.controls[PanelOf(d, 2)[k]].text, slot2[k]);
      EXPECT_EQ(d.controls[PanelOf(d, kSlotCount)[k]].text, last[k]);
    }
    EXPECT_EQ(d.controls[NameField(d, 2)].kind, FakeDialog::Control::kEdit);
    // Every slot has its panel and its OK button, inside the dialog and clear of the others.
    std::vector<platform::Rect> buttons;
    for (int n = 1; n <= kSlotCount; ++n) {
      const int button = SlotButton(d, n);
      ASSERT_GE(button, 0) << "slot " << n;
      const FakeDialog::Control& b = d.controls[button];
      EXPECT_EQ(std::pair(b.kind, b.text), std::pair(FakeDialog::Control::kButton, std::string("OK"))) << n;
      EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.w <= d.width && b.y + b.h <= d.height) << n;
      for (const platform::Rect& other : buttons)
        EXPECT_FALSE(b.x <= other.right && other.left <= b.x + b.w && b.y <= other.bottom && other.top <= b.y + b.h) << n;
      buttons.push_back({b.x, b.y, b.x + b.w, b.y + b.h});
    }
    EXPECT_EQ(d.controls[d.Find("&Cancel")].button, ButtonKind::Cancel);
    // While the slots are listed the live game is the last slot's.
    EXPECT_EQ(tm.m.g.GameName, "GameNo" + std::to_string(kSlotCount));
    d.Click(d.Find("&Help"));
    EXPECT_TRUE(d.open);
    // Opening, a name typed into a field changes nothing.
    d.Type(NameField(d, 2), "Scribble");
    d.Click(SlotButton(d, 2));
  });
  EXPECT_EQ(dialogs.opened.size(), 1u);
  EXPECT_EQ(tm.fake.helps, std::vector<std::string>{"/game/Vantello.hlp#41008"});
  EXPECT_TRUE(tm.fake.boxes.empty());
  EXPECT_EQ(SlotValue(1, "GameName"), "Weekend");
  EXPECT_EQ(std::pair(tm.m.g.Credits, tm.m.g.GameName), std::pair(4321, std::string("CurrentGame")));
}

TEST_F(SlotDialogTest, CancelOrClosingTheMachineParksListsAndBringsTheGameBack) {
  auto before = Saved(tm.m.g);
  for (bool close_machine : {false, true}) {
    SCOPED_TRACE(close_machine ? "machine closed" : "Cancel");
    Show(kOpen, [&](FakeDialog& d) {
      if (!close_machine) return d.Click(d.Find("&Cancel"));
      ASSERT_TRUE(tm.m.CloseOpenDialog);
      tm.m.CloseOpenDialog();
      EXPECT_FALSE(d.open);
      EXPECT_EQ(Saved(tm.m.g), before);
    });
    // Parked again unchanged the second time.
    EXPECT_EQ(ops.journal, Then(Then({close_machine ? "save" : "save CurrentGame"}, Loads(kSlotCount)), Loads(1)));
    EXPECT_EQ(Saved(tm.m.g), before);
    EXPECT_EQ(tm.m.g.GameName, "CurrentGame");
    EXPECT_FALSE(tm.m.CloseOpenDialog);
  }
  EXPECT_EQ(SlotValue(persistence::kCurrentGameSlot, "Credits"), "777");
  // What a section does not hold is not touched.
  EXPECT_EQ(tm.m.g.LastSpinSummary, "Line 1: 20");
  EXPECT_EQ(tm.m.g.CherryRollsLeft, 2);
  EXPECT_TRUE(tm.fake.boxes.empty());
}

// The name field and the prompt take no more than a slot shows, counted in characters.
TEST_F(SlotDialogTest, ANameIsNoLongerThanItsSlotShows) {
  std::string glueck;
  for (int i = 0; i < 8; ++i) glueck += "Glück";  // 40 characters, 48 bytes
  tm.fake.input_answer = glueck;
  Show(kSave, [&](FakeDialog& d) {
    EXPECT_EQ(d.edit_limits[NameField(d, 1)], persistence::kGameNameChars);
    d.Click(SlotButton(d, 1));
  });
  EXPECT_EQ(SlotValue(0, "GameName"), glueck.substr(0, 36));  // six times "Glück": 30 characters
}

TEST_F(SlotDialogTest, SavingAsksTheNameAndSavesTheLiveGameIntoTheSlot) {
  SaveIntoSlot(2, "Old save", 50, 50, "01/01/20");
  tm.fake.input_answer = "Renamed";
  auto before = Saved(tm.m.g);
  Show(kSave, [&](FakeDialog& d) {
    EXPECT_EQ(d.caption, "Save a Game -- Select Game Slot");
    d.Type(NameField(d, 3), "My big win");
    d.Click(SlotButton(d, 3));
    EXPECT_FALSE(d.open);
  });

  EXPECT_EQ(tm.fake.boxes, std::vector<std::string>{"Input: Name for this saved game? [My big win]"});
  // Parked and listed, then the live game back from CurrentGame, saved, and back again.
  EXPECT_EQ(ops.journal, Then(Then({"save CurrentGame"}, Loads(kSlotCount + 1)), {"save GameNo3", "load"}));
  EXPECT_EQ(SlotValue(2, "GameName"), "Renamed");
  EXPECT_EQ(SlotValue(2, "Credits"), "777");  // the player's game, not the last one listed
  EXPECT_EQ(SlotValue(2, "GameDate"), persistence::TodayDate());
  EXPECT_EQ(Saved(tm.m.g), before);
}

// An emptied prompt saves an empty name; a cancelled one writes nothing at all.
TEST_F(SlotDialogTest, TheNamePromptEmptiedOrCancelled) {
  SaveIntoSlot(2, "Keep me", 50, 50, "01/01/20");
  ParkLiveGameAlready();
  const std::string file_before = ReadBytes(path);
  auto before = Saved(tm.m.g);
  tm.fake.input_answer = std::nullopt;
  Show(kSave, [](FakeDialog& d) {
    d.Click(SlotButton(d, 3));
    EXPECT_FALSE(d.open);
  });
  EXPECT_EQ(tm.fake.boxes.size(), 1u);
  EXPECT_EQ(ReadBytes(path), file_before);
  EXPECT_EQ(Saved(tm.m.g), before);

  tm.fake.boxes.clear();
  tm.fake.input_answer = "";
  Show(kSave, [](FakeDialog& d) { d.Click(SlotButton(d, 1)); });
  EXPECT_EQ(tm.fake.boxes, std::vector<std::string>{"Input: Name for this saved game? [GameNo1]"});
  EXPECT_EQ(SlotValue(0, "GameName"), "");
  Show(kOpen, [](FakeDialog& d) { EXPECT_EQ(d.controls[NameField(d, 1)].text, ""); });
}

TEST_F(SlotDialogTest, OpeningANeverSavedSlotStartsItsDefaultGame) {
  Show(kOpen, [](FakeDialog& d) { d.Click(SlotButton(d, 5)); });

  EXPECT_EQ(ops.journal, Then(Then({"save CurrentGame"}, Loads(kSlotCount + 1)), {"save CurrentGame", "load"}));
  const rules::GameState& g = tm.m.g;
  EXPECT_EQ(std::make_tuple(g.Credits, g.Borrowed, g.BellPool, g.LinesPlayed, g.CoinsPerLine, g.Spins),
            std::make_tuple(1000, 1000, 0, 8, 1, 0));
  EXPECT_TRUE(g.Sound && g.DoubleOrNothingOn && g.CountOffWins && g.AutoSave);
  EXPECT_EQ(g.GameName, "CurrentGame");
  // The opened game is now the one the next start carries on with; the slot stays unsaved.
  EXPECT_EQ(SlotValue(persistence::kCurrentGameSlot, "Credits"), "1000");
  EXPECT_EQ(SlotValue(4, "GameName"), "<missing>");
  EXPECT_TRUE(tm.fake.boxes.empty());
}

// ---- A file that fails ----

// A save that fails, whether it parks the game (the dialog never opens) or saves into or
// opens from a slot: the error is shown, and the file, the slots and the game stay.
TEST_F(SlotDialogTest, AFailedSaveKeepsTheFileTheSlotsAndTheGame) {
  SaveIntoSlot(1, "Weekend", 4321, 2000, "03/04/25");
  ParkLiveGameAlready();
  tm.fake.input_answer = "New name";
  const std::string file_before = ReadBytes(path);
  const auto before = Saved(tm.m.g);
  struct Case { dialogs::SlotDialogMode mode; int failing_save; };  // 1: parking the game, 2: the slot's save
  for (auto [mode, failing_save] : {Case{kOpen, 1}, {kSave, 1}, {kSave, 2}, {kOpen, 2}}) {
    SCOPED_TRACE(std::string(mode == kSave ? "save" : "open") + ", failing save " + std::to_string(failing_save));
    const bool parked = failing_save > 1;
    tm.fake.boxes.clear();
    dialogs.opened.clear();
    tm.m.g.GameName = "Mine";
    ops.fail_saves_from = ops.renames + failing_save;
    Show(mode, [&](FakeDialog& d) {
      if (!parked) ADD_FAILURE() << "the dialog opened";
      d.Click(SlotButton(d, 2));
    });
    dialogs.scripts.clear();
    EXPECT_EQ(dialogs.opened.size(), parked ? 1u : 0u);
    EXPECT_EQ(tm.fake.boxes.back(), "Error: Unable to write to " + path);
    if (!parked) {
      EXPECT_EQ(ops.journal, std::vector<std::string>{"save failed"});
      EXPECT_EQ(tm.m.g.GameName, "Mine");
    }
    EXPECT_EQ(ReadBytes(path), file_before);
    EXPECT_EQ(Saved(tm.m.g), before);
  }
}

TEST_F(SlotDialogTest, AFileThatCannotBeReadBackKeepsThePlayersGame) {
  SaveIntoSlot(kSlotCount - 1, "Last", 9, 9, "01/01/20");
  auto before = Saved(tm.m.g);
  tm.fake.input_answer = "Whatever";
  for (auto mode : {kOpen, kSave}) {
    SCOPED_TRACE(mode == kSave ? "save" : "open");
    Show(mode, [&](FakeDialog& d) {
      ops.fail = "ReadAll";  // the file went away while the slots were listed
      d.Click(mode == kOpen ? d.Find("&Cancel") : SlotButton(d, kSlotCount));
    });
    ops.fail.clear();
    EXPECT_EQ(Saved(tm.m.g), before);
  }
  EXPECT_EQ(SlotValue(kSlotCount - 1, "GameName"), "Last");
}

}  // namespace
