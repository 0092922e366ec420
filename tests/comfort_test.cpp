// What a new player meets in the first evening: a stray key, the settings, the menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dialogs/settings_window.h"
#include "machine/bets.h"
#include "machine/lamps.h"
#include "persistence/settings.h"
#include "tests/profile_test_support.h"
#include "tests/test_machine.h"
#include "view/command_bar.h"
#include "view/layout.h"

namespace {

using testing_support::TestForm;
using testing_support::TestMachine;

// Watches every lamp and highlight the machine lights, on the scripted clock: when each
// one changed, and which winning items were lit.
class LampWatcher : public machine::SilentView {
 public:
  explicit LampWatcher(platform::testing::FakePlatform& clock) : clock_(clock) {}
  void DrawChaserLamps(const std::array<bool, 6>& lit) override {
    for (int i = 0; i < 6; ++i) Set("chaser " + std::to_string(i), lit[i]);
  }
  void DrawChaserLamp(int i, bool lit) override { Set("chaser " + std::to_string(i), lit); }
  void DrawSideLamps(bool left, bool right) override { Set("left", left), Set("right", right); }
  void HighlightLine(int line, bool on) override {
    if (on) lit_items.insert(line);
    Set("line " + std::to_string(line), on);
  }
  void HighlightScreenBonus(bool on) override { Set("screen bonus", on); }
  void DrawFreeSpinsCounter(bool lit) override { Set("free spins", lit); }

  // The most changes any one lamp made within a second.
  int MostChangesInASecond() const {
    int most = 0;
    for (const auto& [name, times] : changes_)
      for (size_t i = 0; i < times.size(); ++i)
        most = std::max(most, static_cast<int>(std::upper_bound(times.begin(), times.end(), times[i] + 999) -
                                               times.begin() - static_cast<long>(i)));
    return most;
  }
  std::set<int> lit_items;

 private:
  void Set(const std::string& name, bool on) {
    auto [it, first] = state_.try_emplace(name, on);
    if (!first && it->second == on) return;
    it->second = on;
    changes_[name].push_back(clock_.TickMs());
  }
  platform::testing::FakePlatform& clock_;
  std::map<std::string, bool> state_;
  std::map<std::string, std::vector<uint64_t>> changes_;
};

// Ten seconds after a win with two winning lines, during FREE Spins, celebrating.
LampWatcher WatchAWin(bool reduced) {
  TestMachine t;
  LampWatcher watcher(t.fake);
  t.m.view = &watcher;
  t.m.ReducedFlashing = reduced;
  t.m.g.LineWins[1] = 4;
  t.m.g.LineWins[6] = 8;
  t.m.animation.FlashedItem = 1;
  t.fake.run_timers = true;
  for (machine::LampTimer lamp : {machine::LampTimer::CelebrateAll, machine::LampTimer::WinFlash,
                                  machine::LampTimer::FreeSpinsBlink})
    machine::StartTimer(t.m, lamp);
  for (int ms = 0; ms < 10000; ms += 10) t.fake.Advance(10);
  return watcher;
}

TEST(ReducedFlashing, NothingChangesMoreThanThreeTimesASecondAndEveryWinStillShows) {
  const LampWatcher blinking = WatchAWin(false);
  EXPECT_GT(blinking.MostChangesInASecond(), 3);
  const LampWatcher steady = WatchAWin(true);
  EXPECT_LE(steady.MostChangesInASecond(), 3);
  EXPECT_EQ(steady.lit_items, (std::set<int>{1, 6}));
}

// Enter also spins: in a box that throws the game away or ends it, Enter must say No.
TEST(StrayEnter, OnlyTheBoxesThatLoseOrEndTheGameAnswerNoToEnter) {
  TestForm t;
  t.fake.confirm_answer = false;
  t.form->PressCommand(view::CmdNewGame);
  t.form->PressCommand(view::CmdExit);
  EXPECT_EQ(t.fake.enter_says_no,
            (std::vector<std::string>{"Start a New Game?", "Are you sure you want to exit the game?"}));
  EXPECT_EQ(t.form->Machine().g.Credits, 1000);
  EXPECT_FALSE(t.form->Closed());
}

// The player's settings come back at the next start; a damaged file gives the defaults,
// value by value.
TEST(Settings, TheWindowsChoicesAreKeptAndABadFileGivesTheDefaults) {
  TestForm t;
  const std::string path = (t.folder / "Settings.ini").string();
  t.dialogs.scripts.push_back([](platform::testing::FakeDialog& d) {
    d.Click(d.Find("-"));
    d.Click(d.Find("-"));
    d.Click(d.Find("Reduced flashing: steady lamps"));
    d.Click(d.Find("Every 30 minutes"));
    int recall_plus = -1;  // the second plus: the games the recall keeps
    for (size_t i = 0; i < d.controls.size(); ++i)
      if (d.controls[i].text == "+") recall_plus = static_cast<int>(i);
    for (int i = 0; i < 12; ++i) d.Click(recall_plus);  // past its top
    d.Click(d.Find("OK"));
  });
  t.form->HandleKey(app::kSettingsKey);
  const persistence::Settings kept = persistence::ReadSettings(path);
  EXPECT_EQ(std::tuple(kept.volume, kept.reduced_flashing, kept.reminder_minutes, kept.recall_games),
            std::tuple(80, true, 30, 100));
  EXPECT_EQ(t.fake.volume, 80);
  EXPECT_TRUE(t.form->Machine().ReducedFlashing);
  EXPECT_TRUE(t.fake.Running(app::kReminderTimer));

  t.dialogs.scripts.push_back([](platform::testing::FakeDialog& d) {
    d.Click(d.Find("-"));
    d.Click(d.Find("Cancel"));
  });
  t.form->HandleKey(app::kSettingsKey);
  EXPECT_EQ(persistence::ReadSettings(path).volume, 80);

  testing_support::WriteBytes(path, "[Settings]\nVolume=250\nReducedFlashing=1\nReminderMinutes=20\nRecallGames=x\n");
  const persistence::Settings odd = persistence::ReadSettings(path);
  EXPECT_EQ(std::tuple(odd.volume, odd.reduced_flashing, odd.reminder_minutes, odd.recall_games),
            std::tuple(100, true, 0, rules::kRecallGames));
  testing_support::WriteBytes(path, std::string(5000, '\0'));
  t.Reopen();
  EXPECT_EQ(t.fake.volume, 100);
  EXPECT_FALSE(t.form->Machine().ReducedFlashing);
  EXPECT_FALSE(t.fake.Running(app::kReminderTimer));
}

// M is the Sound command: the option, its caption's colour and its tip follow.
TEST(Settings, MMutesAndUnmutesLikeTheSoundCommand) {
  TestForm t;
  t.form->HandleKey(app::kMuteKey);
  EXPECT_FALSE(t.form->Machine().g.Sound);
  EXPECT_EQ(t.form->Bar()[view::CmdSound].tooltip, "Sound is Off");
  t.form->HandleKey(app::kMuteKey);
  EXPECT_TRUE(t.form->Machine().g.Sound);
  EXPECT_EQ(t.form->Bar()[view::CmdSound].tooltip, "Sound is On");
}

// The reminder waits for the wheels, and Save and Exit saves the game and closes.
TEST(Settings, TheReminderWaitsForTheSpinAndCanEndTheGame) {
  TestForm t;
  testing_support::WriteBytes((t.folder / "Settings.ini").string(), "[Settings]\nReminderMinutes=15\n");
  t.Reopen();
  machine::Machine& m = t.form->Machine();
  m.g.DoubleOrNothingOn = false;
  t.fake.OnPump(3, [&] { t.fake.Fire(app::kReminderTimer); });
  t.fake.on_box = [&](const std::string&) { EXPECT_FALSE(m.g.SpinInProgress) << "a box over the turning wheels"; };
  t.form->HandleKey(machine::KeyEnter);
  ASSERT_FALSE(t.fake.boxes.empty());
  EXPECT_EQ(t.fake.boxes.back().rfind("Vantello: You have played for 0:", 0), 0u) << t.fake.boxes.back();
  EXPECT_FALSE(t.form->Closed());

  t.fake.stop_answer = true;
  const int32_t credits = m.g.Credits;
  t.fake.Fire(app::kReminderTimer);
  EXPECT_TRUE(t.form->Closed());
  platform::ProfileFile saved((t.folder / "Vantello.ini").string());
  EXPECT_EQ(saved.Read().Read("CurrentGame", "Credits"), std::to_string(credits));
}

std::vector<std::string> Captions(const std::vector<platform::MenuItem>& menu) {
  std::vector<std::string> captions;
  for (const auto& item : menu) captions.push_back(item.caption + (item.key.empty() ? "" : " (" + item.key + ")"));
  return captions;
}

// The menu holds every command of the bar once, the recall and the settings, each with
// its key, and runs what is chosen; full screen only where the window can go full screen.
TEST(Menu, EveryCommandOnceWithItsKeyAndTheChoiceRuns) {
  TestForm t;
  t.shell.menu_pick = "Sound";
  t.form->HandleMenu(true);
  std::vector<std::string> captions = Captions(t.shell.menu);
  for (int i = 0; i < view::kCommandCount; ++i)
    EXPECT_EQ(std::count(captions.begin(), captions.end(), view::MenuCaption(t.form->Machine().g, i) +
                                                             (i == view::CmdHelp ? " (F1)" : "")),
              i == view::CmdSound ? 0 : 1) << i;
  for (const char* extra : {"Sound: On (M)", "Game Recall... (R)", "Settings... (S)"})
    EXPECT_EQ(std::count(captions.begin(), captions.end(), extra), 1) << extra;
  EXPECT_EQ(std::count(captions.begin(), captions.end(), "Full Screen (F11)"), 0) << "800 x 600 has no full screen";
  EXPECT_FALSE(t.form->Machine().g.Sound);

  t.shell.menu_pick = "Settings";
  t.form->HandleMenu(false);
  EXPECT_EQ(t.dialogs.opened.back(), "Settings");
  t.shell.menu_pick = "Stats";
  t.form->HandleMenu(false);
  EXPECT_EQ(t.dialogs.opened.back(), "Your Game Statistics");

  TestForm large(1920, 1080);
  large.shell.menu_pick = "Full Screen";
  large.form->HandleMenu(false);
  const platform::MenuItem full_screen{"Full Screen", "F11", true};
  EXPECT_EQ(std::count(large.shell.menu.begin(), large.shell.menu.end(), full_screen), 1);
  EXPECT_TRUE(large.shell.full_screen);
}

// SPIN, STOP and the plus and minus keys name their keys; a click there stays the machine's.
TEST(Menu, TheMachinesButtonsNameTheirKeys) {
  TestForm t;
  const view::Layout& l = t.form->View().layout;
  std::vector<std::string> tips;
  for (const auto& spot : t.shell.spots) {
    if (spot.click) continue;
    tips.push_back(spot.tooltip);
    EXPECT_TRUE(view::ButtonAt(l, spot.x + spot.w / 2, spot.y + spot.h / 2)) << spot.tooltip << " is on no button";
  }
  EXPECT_EQ(tips, (std::vector<std::string>{"Spin (Enter)", "Stop (Space)", "One more line (L)", "One line fewer (K)",
                                            "One more coin a line (C)", "One coin fewer a line (X)"}));
}

}  // namespace
