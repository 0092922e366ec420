// What a new player meets in the first evening: a stray key, the settings, the menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "machine/lamps.h"
#include "tests/test_machine.h"
#include "view/command_bar.h"

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

}  // namespace
