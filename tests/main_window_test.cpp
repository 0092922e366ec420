#include <gtest/gtest.h>

#include <tuple>

#include "machine/bets.h"
#include "machine/lamps.h"
#include "machine/spin_cycle.h"
#include "view/layout.h"
#include "tests/profile_test_support.h"
#include "tests/test_machine.h"
#include "view/command_bar.h"

namespace {

using testing_support::TestForm;
using testing_support::TestMachine;

// A time of day whose regular spin of 8 x 1 pays something, and what it pays.
std::pair<uint32_t, int32_t> WinningSeed() {
  int32_t credits = 0;
  uint32_t seed = testing_support::FirstSeed([&](uint32_t t) {
    TestMachine probe;
    probe.m.g.CountOffWins = false;
    probe.m.g.DoubleOrNothingOn = false;
    probe.fake.time_of_day_ = t;
    machine::SpinCycle(probe.m);
    credits = probe.m.g.Credits;
    return credits > 1000 && probe.m.g.NumberOfBarRolls == 0 && probe.m.g.NumberOfCherryRolls == 0;
  }, 1);
  return {seed, credits};
}

TEST(MainWindow, StartsWithTheSavedGameDefaultsAndPlacesItself) {
  TestForm t;
  const rules::GameState& g = t.form->Machine().g;
  // A first run has no pool yet.
  EXPECT_EQ(std::tuple(g.Credits, g.Borrowed, g.BellPool, g.LinesPlayed * g.CoinsPerLine), std::tuple(1000, 1000, 0, 8));
  EXPECT_TRUE(g.Sound && g.DoubleOrNothingOn && g.CountOffWins && t.shell.maximized && t.fake.Running(machine::LampTimer::StartupCelebration));
  EXPECT_EQ(std::pair(t.shell.width, t.shell.spots.size()), std::pair(790, size_t{1} + view::kCommandCount + 6));
  EXPECT_EQ(t.fake.boxes.size(), 0u) << t.fake.boxes[0];
}

TEST(MainWindow, ClosingMidSpinPaysTheWinBeforeTheSave) {
  auto [seed, credits_after_win] = WinningSeed();
  TestForm t;
  machine::Machine& m = t.form->Machine();
  m.g.DoubleOrNothingOn = true;   // no card table while closing
  m.g.CountOffWins = true;  // nor a count-off
  t.fake.time_of_day_ = seed;
  t.fake.OnPump(30, [&] { t.form->CloseWindow(); });
  t.form->HandleKey(machine::KeyEnter);
  EXPECT_TRUE(t.shell.closed);
  EXPECT_EQ(m.g.Credits, credits_after_win);
  std::string ini = testing_support::ReadBytes((t.folder / "Vantello.ini").string());
  EXPECT_NE(ini.find("Credits=" + std::to_string(credits_after_win)), std::string::npos) << ini;
  EXPECT_NE(ini.find("Spins=1"), std::string::npos);
  EXPECT_TRUE(std::none_of(t.dialogs.opened.begin(), t.dialogs.opened.end(),
                           [](const std::string& c) { return c.find("Double") != std::string::npos; }));
}

TEST(MainWindow, TimersDoNotTouchTheLampsDuringASpin) {
  TestMachine t;
  t.fake.OnPump(40, [&] {
    auto lamps = t.m.animation.ChaserLamps;
    machine::StartupCelebrationTick(t.m);
    machine::CelebrateAllTick(t.m);
    machine::CelebrateAlternateTick(t.m);
    EXPECT_EQ(lamps, t.m.animation.ChaserLamps);
    EXPECT_FALSE(t.fake.Running(machine::LampTimer::CelebrateAll));
  });
  machine::SpinCycle(t.m);
}

TEST(MainWindow, ARepaintMidSpinShowsTheTurningWheelsTurning) {
  TestMachine t;
  view::MainView& view = t.picture;
  t.m.view = &view;
  view::Box last{};
  t.fake.pump_step_ms = 10;
  t.fake.OnPump(90, [&] {  // at step 30 wheel 0 has stopped, wheel 8 still turns
    view.PaintAll();
    last = view::SymbolSquare(t.layout, 8);
    EXPECT_EQ(t.canvas.Pixels().Pixel(last.x + 5, last.y + 5), 0x808080u);
    view::Box first = view::SymbolSquare(t.layout, 0);
    EXPECT_EQ(t.canvas.Pixels().Pixel(first.x + 5, first.y + 5), 0x00FF00u);
  });
  machine::SpinCycle(t.m);
  EXPECT_EQ(t.canvas.Pixels().Pixel(last.x + 5, last.y + 5), 0x00FF00u);
}

TEST(Commands, TogglesChangeCaptionColourAndTip) {
  TestForm t;
  rules::GameState& g = t.form->Machine().g;
  auto tip = [&](int i) { return t.shell.spots[1 + i].tooltip; };
  const std::tuple<int, platform::Color, std::string> presses[] = {
      {view::CmdSound, platform::kSilver, "Sound is Off"}, {view::CmdSound, platform::kYellow, "Sound is On"},
      {view::CmdPayMode, platform::kSilver, "Paymode is Instant Payoff"},
      {view::CmdDouble, platform::kSilver, "Double or Nothing Game is Off"}};
  for (const auto& [command, colour, tooltip] : presses) {
    t.form->PressCommand(command);
    EXPECT_EQ(view::CaptionColour(g, command), colour) << tooltip;
    EXPECT_EQ(tip(command), tooltip);
  }
  EXPECT_FALSE(g.CountOffWins || g.DoubleOrNothingOn);
  g.Credits = 0;  // auto spin switched on spins, is refused and goes off again
  t.form->PressCommand(view::CmdAutoSpin);
  EXPECT_EQ(tip(view::CmdAutoSpin), "Auto Spin Mode: On");
  EXPECT_FALSE(g.AutoSpin);
  EXPECT_EQ(view::CaptionColour(g, view::CmdAutoSpin), platform::kYellow);
  g.AutoSpin = true;
  EXPECT_EQ(view::CaptionColour(g, view::CmdAutoSpin), platform::kWhite);
}

TEST(Commands, NewGameAndExitAskSummaryNeedsASpinAndTheGameWaitsForTheWheels) {
  TestForm t;
  rules::GameState& g = t.form->Machine().g;
  g.Credits = 5;
  g.BellPool = 7;
  t.fake.confirm_answer = false;
  t.form->PressCommand(view::CmdNewGame);
  EXPECT_EQ(t.fake.boxes.back(), "Confirm: Start a New Game?");
  EXPECT_EQ(g.Credits, 5);
  t.fake.confirm_answer = true;
  t.form->PressCommand(view::CmdNewGame);
  EXPECT_EQ(g.Credits, 1000);
  EXPECT_EQ(g.BellPool, 100);

  t.form->PressCommand(view::CmdSummary);
  EXPECT_EQ(t.fake.boxes.back(), "Information: You must spin before viewing a summary of the last spin.");
  g.CountOffWins = false;
  g.DoubleOrNothingOn = false;
  t.form->HandleKey(machine::KeyEnter);
  t.form->PressCommand(view::CmdSummary);
  EXPECT_EQ(t.fake.boxes.back(), "Information: " + g.LastSpinSummary);

  // In the middle of a spin: the four game-changing commands wait, the rest work.
  int refused = 0;
  t.fake.OnPump(20, [&] {
    int32_t credits = g.Credits;
    for (int c : {view::CmdNewGame, view::CmdLoadGame, view::CmdSaveGame, view::CmdBorrow}) {
      t.form->PressCommand(c);
      refused += t.fake.boxes.back() == "Information: Please wait until the wheels have stopped.";
    }
    EXPECT_EQ(g.Credits, credits);
    t.form->PressCommand(view::CmdSound);
    EXPECT_FALSE(g.Sound);
  });
  t.form->HandleKey(machine::KeyEnter);
  EXPECT_EQ(refused, 4);

  // Exit asks, then saves and closes.
  std::filesystem::remove(t.folder / "Vantello.ini");
  t.fake.confirm_answer = false;
  t.form->PressCommand(view::CmdExit);
  EXPECT_FALSE(t.shell.closed);
  t.fake.confirm_answer = true;
  t.form->PressCommand(view::CmdExit);
  EXPECT_TRUE(t.shell.closed);
  EXPECT_NE(testing_support::ReadBytes((t.folder / "Vantello.ini").string()).find("[CurrentGame]"), std::string::npos);
  t.form->ShowVersion();
  EXPECT_EQ(t.fake.boxes.back(), "Information: Vantello Version 2.0");
}

}  // namespace
