#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "machine/bets.h"
#include "machine/sounds.h"
#include "tests/test_machine.h"
#include "view/layout.h"

namespace {

using testing_support::TestMachine;

int Count(const std::vector<std::string>& v, const std::string& s) {
  return static_cast<int>(std::count(v.begin(), v.end(), s));
}

TEST(Bets, StepsStayWithinTheirLimitsAndTheCredits) {
  TestMachine t;
  rules::GameState& g = t.m.g;
  g.LinesPlayed = 8;
  g.CoinsPerLine = 8;
  machine::CoinsUp(t.m);
  machine::LinesUp(t.m);
  EXPECT_EQ(g.LinesPlayed * g.CoinsPerLine, 64);
  EXPECT_EQ(Count(t.fake.sounds, "Cherry1.wav"), 2);

  g.Credits = 10;
  g.CoinsPerLine = 1;
  machine::CoinsUp(t.m);  // 16 > 10
  EXPECT_EQ(g.CoinsPerLine, 1);
  for (int i = 0; i < 3; ++i) machine::LinesDown(t.m);
  machine::CoinsUp(t.m);  // 5 x 2 = 10 <= 10
  EXPECT_EQ(g.LinesPlayed, 5);
  EXPECT_EQ(g.CoinsPerLine, 2);
  EXPECT_EQ(t.view.calls.back(), "CoinsPlayed");

  g.CoinsPerLine = 0;
  machine::LinesUp(t.m);  // the raised bet is 0
  EXPECT_EQ(g.LinesPlayed, 6);
  machine::CoinsDown(t.m);
  EXPECT_EQ(g.CoinsPerLine, 0);

  g.SpinInProgress = true;
  machine::LinesDown(t.m);
  EXPECT_EQ(g.LinesPlayed, 6);
}

TEST(Bets, ASpinWithoutABetIsRefusedAndEndsAutoSpin) {
  TestMachine t;
  rules::GameState& g = t.m.g;
  g.CoinsPerLine = 0;
  g.AutoSpin = true;
  machine::RequestSpin(t.m);
  EXPECT_EQ(t.fake.boxes, std::vector<std::string>{"Information: You must place a bet first."});
  EXPECT_FALSE(g.AutoSpin);
  EXPECT_EQ(g.Spins, 0);
}

TEST(Bets, AClickPressesTheButtonWhoseAreaItHits) {
  using machine::Button;
  view::Layout l;
  l.stop = {500, 300, 624, 372};
  l.spin = {500, 218, 624, 290};
  l.lines_plus = {518, 32, 533, 47};
  l.coins_plus = {593, 32, 608, 47};
  EXPECT_EQ(view::ButtonAt(l, 500, 372), Button::Stop);     // the Stop button's corner, edges included
  EXPECT_EQ(view::ButtonAt(l, 533, 47), Button::LinesUp);   // plus key, bottom right corner
  EXPECT_EQ(view::ButtonAt(l, 538, 40), Button::LinesDown); // minus key starts 5 pixels right of the plus key
  EXPECT_EQ(view::ButtonAt(l, 535, 40), std::nullopt);      // the gap between them
  EXPECT_EQ(view::ButtonAt(l, 628, 32), Button::CoinsDown);
  EXPECT_EQ(view::ButtonAt(l, 560, 250), Button::Spin);
  EXPECT_EQ(view::ButtonAt(l, 560, 295), std::nullopt);     // between Spin and Stop: nothing

  TestMachine t;
  rules::GameState& g = t.m.g;
  g.LinesPlayed = 4;
  g.CoinsPerLine = 3;
  machine::PressButton(t.m, Button::LinesUp);
  machine::PressButton(t.m, Button::CoinsDown);
  EXPECT_EQ(std::pair(g.LinesPlayed, g.CoinsPerLine), std::pair(5, 2));
  machine::PressButton(t.m, Button::Stop);
  EXPECT_TRUE(g.StopRequested);
  machine::PressButton(t.m, Button::Spin);
  EXPECT_EQ(g.Spins, 1);
}

TEST(AutoSpin, SavesAtMultiplesOf25AndStopsOnARefusedBetOrAFailedSave) {
  TestMachine t;
  rules::GameState& g = t.m.g;
  std::vector<int> saved_at;
  t.m.SaveCurrentGame = [&] {
    saved_at.push_back(g.Spins);
    return true;
  };
  g.Spins = 24;
  g.Credits = 8 * 30;  // thirty spins of 8, the last taking every credit, and nothing won
  g.AutoSpin = true;
  machine::RequestSpin(t.m);
  EXPECT_EQ(g.Spins, 24 + 30);
  EXPECT_EQ(saved_at, (std::vector<int>{25, 50}));
  EXPECT_FALSE(g.AutoSpin);
  EXPECT_EQ(t.fake.boxes, std::vector<std::string>{"Information: You do not have enough credits for that bet,"});

  g.AutoSave = false;
  g.Spins = 0;
  g.Credits = 8 * 26;
  g.AutoSpin = true;
  saved_at.clear();
  machine::RequestSpin(t.m);
  EXPECT_TRUE(saved_at.empty());

  // A save that fails ends auto spin.
  t.m.SaveCurrentGame = [] { return false; };
  g.AutoSave = true;
  g.Spins = 24;
  g.Credits = 1000;
  g.AutoSpin = true;
  machine::RequestSpin(t.m);
  EXPECT_EQ(g.Spins, 25);
  EXPECT_FALSE(g.AutoSpin);
}

TEST(AutoSpin, RequestsNeverNestAndSwitchingOffInThePauseEndsIt) {
  TestMachine t;
  rules::GameState& g = t.m.g;
  int spins_in_pause = 0;
  t.fake.on_pump = [&] {
    // Enter pressed over and over, also in the half-second pause between spins.
    if (!g.SpinInProgress && g.AutoSpin) {
      int before = g.Spins;
      machine::PressKey(t.m, machine::KeyEnter);
      spins_in_pause += g.Spins - before;
      if (g.Spins >= 3) g.AutoSpin = false;  // switched off inside the pause
    }
  };
  g.AutoSpin = true;
  machine::RequestSpin(t.m);
  EXPECT_EQ(spins_in_pause, 0);
  EXPECT_EQ(g.Spins, 3);
  EXPECT_FALSE(t.m.RequestRunning);
}

// A refusal sound that lasts five minutes (a player's own file in its place) holds the
// game up for a moment only; messages are handled meanwhile, a burst of refused keys
// adds no sound, and a close ends the wait at once.
TEST(Bets, ARefusalWaitsBrieflyAndKeepsHandlingMessages) {
  TestMachine t;
  rules::GameState& g = t.m.g;
  g.LinesPlayed = 8;
  t.fake.sound_ms = 300'000;
  int pressed = 0;
  t.fake.on_pump = [&] {
    if (pressed < 200) ++pressed, machine::LinesUp(t.m);
  };
  uint64_t start = t.fake.TickMs();
  machine::LinesUp(t.m);
  EXPECT_EQ(pressed, 200);
  EXPECT_EQ(Count(t.fake.sounds, "Cherry1.wav"), 1);
  EXPECT_EQ(t.fake.TickMs() - start, static_cast<uint64_t>(machine::LongestWaitMs("Cherry1.wav")));
  EXPECT_LE(machine::LongestWaitMs("Cherry1.wav"), 1000);

  // The next refusal sounds again; a close in its wait ends it.
  g.CoinsPerLine = 0;
  t.fake.on_pump = [&] { t.m.Closing = true; };
  start = t.fake.TickMs();
  machine::CoinsDown(t.m);
  machine::CoinsDown(t.m);
  EXPECT_EQ(Count(t.fake.sounds, "Cherry1.wav"), 2);
  EXPECT_EQ(t.fake.TickMs() - start, 1u);
}

}  // namespace
