#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "machine/spin_cycle.h"
#include "rules/spin_rules.h"
#include "rules/strips.h"
#include "rules/rolls.h"
#include "tests/test_machine.h"

namespace {

using testing_support::TestMachine;

// A time of day whose spin starts the chaser in the given state.
uint32_t SeedFor(int pos, int dir) {
  return testing_support::FirstSeed([&](uint32_t t) {
    platform::Rng rng(t);
    rules::SpinSetup s = rules::DrawSpinSetup(rng);
    return s.ChaserPos == pos && s.ChaserDir == dir;
  });
}

// The chaser lamps drawn: pictures put down on the lamps' row, under the machine, as
// tall as the lamp pictures.
int ChaserDraws(TestMachine& t) {
  const int lamp_top = t.layout.origin_y + t.layout.background_h;
  const int lamp_h = t.picture.art.LampsOffImage.Height();
  int n = 0;
  for (const auto& c : t.canvas.Recorded())
    n += c.kind == platform::testing::RecordingCanvas::Call::kBlit && c.y == lamp_top && c.h == lamp_h;
  return n;
}

int Clicks(const TestMachine& t) { return static_cast<int>(std::count(t.fake.sounds.begin(), t.fake.sounds.end(), "click")); }

bool Played(const TestMachine& t, const std::string& wave) {
  return std::find(t.fake.sounds.begin(), t.fake.sounds.end(), wave) != t.fake.sounds.end();
}

// Drawing that only the lamp timers do: the side lamps' 40x40 frames and the win flash's hatching.
int SideLampDraws(TestMachine& t, bool with_hatching = false) {
  using Call = platform::testing::RecordingCanvas::Call;
  int n = 0;
  for (const auto& c : t.canvas.Recorded())
    n += (c.kind == Call::kBlit && c.w == 40 && c.h == 40) || (with_hatching && c.kind == Call::kHatch);
  return n;
}
int TimerDraws(TestMachine& t) { return SideLampDraws(t, true); }

TEST(SpinCycle, LampTimersRunInTheBonusPauseButNeverOverTheTurningWheels) {
  {
    TestMachine t;
    t.fake.time_of_day_ = SeedFor(4, 1);  // the bonus lamp lights
    t.fake.run_timers = true;
    t.m.animation.FlashedItem = 3;  // an earlier win's line, for a flash started mid-spin
    uint64_t start = t.fake.TickMs();
    machine::StartTimer(t.m, machine::LampTimer::StartupCelebration);  // falls due mid-animation
    bool celebration_started = false;
    t.fake.At(start + 600, [&] {
      celebration_started = t.fake.Running(machine::LampTimer::CelebrateAll);
      machine::StartTimer(t.m, machine::LampTimer::CelebrateAll);
      machine::StartTimer(t.m, machine::LampTimer::WinFlash);
    });
    t.fake.OnPump(0, [&] { t.canvas.Record(true); });  // after the set-up's own side lamps
    int while_turning = -1, at_bonus = -1, in_pause = -1;
    uint64_t bonus_at = 0;
    t.fake.on_pump = [&] {
      if (!Played(t, "Cherry2.wav")) {
        while_turning = TimerDraws(t);
      } else if (bonus_at == 0) {
        bonus_at = t.fake.TickMs();
        at_bonus = SideLampDraws(t);
      } else if (t.fake.TickMs() <= bonus_at + 1000) {
        in_pause = SideLampDraws(t) - at_bonus;
      }
    };
    machine::SpinCycle(t.m);
    EXPECT_FALSE(celebration_started);
    EXPECT_EQ(while_turning, 0);
    EXPECT_GE(in_pause, 2 * 4);  // both side lamps, every 200 ms of the second
  }
  {
    // The skill stop brings the wheels to rest over 180 ms: still no timer drawing.
    TestMachine t;
    t.fake.time_of_day_ = SeedFor(4, -1);
    t.fake.run_timers = true;
    uint64_t start = t.fake.TickMs();
    t.fake.At(start + 1000, [&] { machine::StartTimer(t.m, machine::LampTimer::CelebrateAll); });  // due at 1200
    t.fake.At(start + 1190, [&] { t.m.g.StopRequested = true; });
    t.fake.OnPump(0, [&] { t.canvas.Record(true); });
    int while_turning = -1;
    t.fake.on_pump = [&] {
      if (t.fake.TickMs() <= start + 1190 + 160) while_turning = TimerDraws(t);
    };
    machine::SpinCycle(t.m);
    EXPECT_EQ(while_turning, 0);
  }
}

// A full spin's 101 paced steps are pinned in pacing_test.cpp and its drawing, clicks and
// length in spin_golden_test.cpp. A stop queued before the first step stops everything at once.
TEST(SpinCycle, AStopBeforeTheFirstStepEndsTheSpinAtOnce) {
  TestMachine t;
  t.m.g.StopRequested = true;  // an old request is forgotten by the set-up...
  t.fake.OnPump(0, [&] { t.m.g.StopRequested = true; });  // ...a queued Space is not
  bool drawn_spinning = false;
  t.fake.on_pump = [&] {
    for (int32_t offset : t.m.animation.MotionRow) drawn_spinning |= offset >= 0;
  };
  t.canvas.Record(true);
  uint64_t start = t.fake.TickMs();
  machine::SpinCycle(t.m);
  EXPECT_EQ(ChaserDraws(t), 0);
  EXPECT_EQ(Clicks(t), 9);
  // Nine frames with a 20 ms pause after each.
  EXPECT_GE(t.fake.TickMs() - start, 9u * 20u);
  EXPECT_LT(t.fake.TickMs() - start, 25u * 10u);
  EXPECT_FALSE(drawn_spinning);
}

// The lamp lights after a full spin only from its winning starting state, and a stop while
// all six chaser lamps are lit wins it from any start.
TEST(SpinCycle, BonusLampLightsFromItsStartingStateOrAStopWithAllSixLampsLit) {
  for (auto [pos, dir, stop, lit] : {std::tuple{4, 1, false, true}, {4, -1, false, false}, {0, -1, true, true}, {0, 1, true, true}}) {
    TestMachine t;
    t.fake.time_of_day_ = SeedFor(pos, dir);
    t.fake.on_pump = [&, stop = stop] {
      auto& l = t.m.animation.ChaserLamps;
      if (stop && t.m.g.SpinInProgress && std::all_of(l.begin(), l.end(), [](bool b) { return b; }))
        t.m.g.StopRequested = true;
    };
    machine::SpinCycle(t.m);
    EXPECT_EQ(t.m.g.BonusLamp, lit) << pos << " " << dir;
    EXPECT_EQ(t.fake.Running(machine::LampTimer::CelebrateAll), lit);  // the celebration
    EXPECT_EQ(Played(t, "Cherry2.wav"), lit);
  }
}

// The nesting of the rolls themselves is pinned in rolls_test.cpp.
TEST(SpinCycle, RollStripsStayOnShowUntilTheNextSpinRestoresThem) {
  TestMachine t;
  t.fake.on_pump = [&] {  // seven Bar Rolls earned during the regular spin
    if (t.m.g.Spins == 1 && t.m.g.NumberOfBarRolls == 0 && t.m.g.SpinInProgress) t.m.g.BarRollsLeft = 7;
  };
  machine::SpinCycle(t.m);
  std::array<int32_t, 9> after_regular = t.m.g.RegularStops;
  EXPECT_EQ(t.m.g.NumberOfBarRolls, 7);
  EXPECT_TRUE(t.m.g.RestoreRegularStrips);
  EXPECT_FALSE(t.m.g.BarRollMode);
  EXPECT_EQ(t.m.g.Strips[0], rules::BarRollStrip());
  EXPECT_FALSE(t.fake.Running(machine::LampTimer::FreeSpinsBlink));

  std::array<int32_t, 9> stops_at_repaint{};
  t.fake.on_pump = nullptr;
  struct Spy : testing_support::RecordingView {
    std::array<int32_t, 9>* out;
    rules::GameState* g;
    void RepaintAll() override { *out = g->Stops; RecordingView::RepaintAll(); }
  } spy;
  spy.out = &stops_at_repaint;
  spy.g = &t.m.g;
  t.m.view = &spy;
  machine::SpinCycle(t.m);
  EXPECT_EQ(stops_at_repaint, after_regular);
  EXPECT_EQ(spy.Count("Repaint"), 1);
  EXPECT_EQ(t.m.g.Strips, rules::RegularStrips());
  EXPECT_FALSE(t.m.g.RestoreRegularStrips);
}

TEST(SpinCycle, ClosingFinishesTheSpinWithoutWaiting) {
  TestMachine t;
  t.fake.OnPump(200, [&] { t.m.Closing = true; });
  uint64_t start = t.fake.TickMs();
  machine::SpinCycle(t.m);
  EXPECT_LT(t.fake.TickMs() - start, 1000u);
  EXPECT_FALSE(t.m.g.SpinInProgress);
  EXPECT_EQ(t.m.g.TotalBets, 8);
}

}  // namespace
