#include "machine/delivery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "tests/test_machine.h"

namespace {

using rules::SpinKind;
using testing_support::RecordingView;
using testing_support::TestMachine;
using Log = std::vector<std::string>;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

struct Delivery {
  explicit Delivery(int32_t win, bool count_off = true) : view(t) {
    g.SpinWin = win;
    t.m.animation.FlashedItem = 0;
    g.CountOffWins = count_off;
    g.DoubleOrNothingOn = false;
  }
  // Credits added at each step of a count-off, read from the Credits meter redraws.
  std::vector<int32_t> Steps(int32_t from) {
    std::vector<int32_t> steps;
    for (const std::string& s : view.Log()) {
      if (s.rfind("Credits=", 0) != 0) continue;
      int32_t now = std::stoi(s.substr(8));
      steps.push_back(now - from);
      from = now;
    }
    return steps;
  }
  TestMachine t;
  RecordingView view;
  rules::GameState& g = t.m.g;
};

// A regular spin's win flashes after the card game, a roll's before; a lost game pays
// nothing, silently.
TEST(Delivery, RegularSpinFlashesAfterTheCardGameAndRollsBefore) {
  for (auto [kind, after_cards] : {std::pair{SpinKind::Regular, 80}, {SpinKind::CherryRoll, 80}, {SpinKind::Regular, 0}}) {
    Delivery d(40, false);
    d.g.DoubleOrNothingOn = true;
    d.t.m.PlayDoubleOrNothing = [&, after_cards = after_cards] {
      d.view.Note(d.t.fake.Running(machine::LampTimer::WinFlash) ? "cards, flashing" : "cards");
      d.g.SpinWin = after_cards;
    };
    machine::DeliverWinnings(d.t.m, kind);
    const char* cards = kind == SpinKind::Regular ? "cards" : "cards, flashing";
    Log expected{"ShowWinnings", "Cherry9.wav", cards, "ShowWinnings", "Credits=" + std::to_string(1000 + after_cards)};
    if (after_cards) expected.push_back("Cherry6.wav");
    EXPECT_EQ(d.view.Log(), expected);
    EXPECT_TRUE(d.t.fake.Running(machine::LampTimer::WinFlash) || !after_cards);
  }
}

TEST(Delivery, WinFlashBlinksThroughTheCountOff) {
  Delivery d(170);  // 42 steps of 0.1 s
  d.g.LineWins[1] = 170;
  d.t.m.animation.FlashedItem = 1;
  d.g.SpinInProgress = true;  // paid from inside the spin, as SpinCycle pays it
  d.t.fake.run_timers = true;
  d.t.canvas.Record(true);
  uint64_t start = d.t.fake.TickMs();
  // Each moment the canvas was drawn on (only the flash draws on it here): hatched or restored.
  std::vector<std::pair<uint64_t, bool>> flashes;
  size_t seen = 0;
  d.t.fake.on_pump = [&] {
    auto& calls = d.t.canvas.Recorded();
    if (calls.size() == seen) return;
    bool hatched = std::any_of(calls.begin() + static_cast<long>(seen), calls.end(),
                               [](const auto& c) { return c.kind == platform::testing::RecordingCanvas::Call::kHatch; });
    flashes.emplace_back(d.t.fake.TickMs() - start, hatched);
    seen = calls.size();
  };
  machine::DeliverWinnings(d.t.m, SpinKind::Regular);
  EXPECT_EQ(d.g.Credits, 1170);
  std::vector<std::pair<uint64_t, bool>> expected;
  for (uint64_t tick = 1; tick <= 10; ++tick) expected.emplace_back(400 * tick, tick % 2 == 1);
  EXPECT_EQ(flashes, expected);
}

TEST(Delivery, NoWinFlashInAutoSpinOrWithoutAWinningItem) {
  for (SpinKind kind : {SpinKind::Regular, SpinKind::BarRoll}) {
    Delivery auto_spin(40);
    auto_spin.g.AutoSpin = true;
    machine::DeliverWinnings(auto_spin.t.m, kind);
    EXPECT_FALSE(auto_spin.t.fake.Running(machine::LampTimer::WinFlash));
  }
  Delivery returned_bet(8);
  returned_bet.t.m.animation.FlashedItem = -1;
  machine::DeliverWinnings(returned_bet.t.m, SpinKind::Regular);
  EXPECT_FALSE(returned_bet.t.fake.Running(machine::LampTimer::WinFlash));
  EXPECT_EQ(returned_bet.g.Credits, 1008);
}

TEST(CountOff, StepsOf25Then10Then5Then1) {
  for (auto [win, count] : {std::pair{1000, 124}, {1234, 137}, {30, 22}, {4000, 244}}) {
    SCOPED_TRACE(win);
    Delivery d(win);
    uint64_t start = d.t.fake.TickMs();
    machine::CountOff(d.t.m);
    std::vector<int32_t> steps = d.Steps(1000);
    EXPECT_EQ(static_cast<int>(steps.size()), count);
    EXPECT_EQ(std::pair(d.g.Credits, d.g.SpinWin), std::pair(1000 + win, 0));
    EXPECT_EQ(std::count(d.t.fake.sounds.begin(), d.t.fake.sounds.end(), "Cherry8.wav"), count);
    EXPECT_EQ(d.t.fake.TickMs() - start, 100u * count);
    EXPECT_TRUE(std::is_sorted(steps.rbegin(), steps.rend()));
    if (win != 1000) continue;
    const int32_t sizes[] = {25, 10, 5, 1}, counts[] = {1, 88, 15, 20};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(std::count(steps.begin(), steps.end(), sizes[i]), counts[i]) << sizes[i];
  }
}

TEST(CountOff, LargeWinsAreCountedWithinHalfAMinute) {
  for (int32_t win : {6000, 123456, 2'000'000'000}) {
    Delivery d(win);
    d.g.Credits = 0;
    uint64_t start = d.t.fake.TickMs();
    machine::CountOff(d.t.m);
    EXPECT_LE(d.t.fake.TickMs() - start, 30'000u) << win;
    EXPECT_EQ(d.g.Credits, win);
    std::vector<int32_t> steps = d.Steps(0);
    EXPECT_GT(steps.front(), 25) << win;
    EXPECT_EQ(std::vector<int32_t>(steps.end() - 20, steps.end()), std::vector<int32_t>(20, 1));
  }
}

TEST(CountOff, CreditsSaturateAtTheTop) {
  for (bool count_off : {true, false}) {
    Delivery d(kMax, count_off);
    d.g.Credits = kMax - 1000;
    machine::DeliverWinnings(d.t.m, SpinKind::Regular);
    EXPECT_EQ(d.g.Credits, kMax);
  }
}

TEST(CountOff, ClosingWindowPaysTheRestAtOnce) {
  Delivery closed(5000);
  closed.g.DoubleOrNothingOn = true;
  bool cards = false;
  closed.t.m.PlayDoubleOrNothing = [&] { cards = true; };
  closed.t.m.Closing = true;
  machine::DeliverWinnings(closed.t.m, SpinKind::Regular);
  EXPECT_FALSE(cards);
  EXPECT_TRUE(closed.t.fake.sounds.empty());
  EXPECT_EQ(closed.g.Credits, 6000);
  EXPECT_EQ(closed.t.fake.pumps, 0);

  Delivery closing(5000);
  closing.t.fake.OnPump(350, [&] { closing.t.m.Closing = true; });
  machine::CountOff(closing.t.m);
  EXPECT_EQ(std::pair(closing.g.Credits, closing.g.SpinWin), std::pair(6000, 0));
  EXPECT_EQ(closing.Steps(1000), (std::vector<int32_t>{25, 25, 25, 25, 4900}));
}

}  // namespace
