#include "machine/spin_cycle.h"

#include <array>

#include "machine/lamps.h"
#include "rules/money.h"
#include "machine/sounds.h"
#include "rules/spin_rules.h"
#include "rules/strips.h"
#include "machine/wheels.h"
#include "machine/evaluation.h"
#include "rules/rolls.h"
#include "rules/sounds.h"

namespace machine {

namespace {

// Vertical shifts of a stopped wheel's picture during its bounce, frame by frame.
constexpr std::array<int, 7> kBounceShift{2, 1, 0, -1, -2, -1, 0};

struct Wheel {
  int offset = 0;
  bool done = false;
  platform::Bitmap bounce;
};

bool StopWanted(const Machine& m) { return m.g.StopRequested || m.Closing; }

void DrawBounce(Machine& m, int w, const Wheel& wheel, int shift) {
  Box a = BounceArea(m.g, w);
  m.canvas.Blit(wheel.bounce, 0, 0, a.w, a.h, a.x, a.y + shift);
}

void GrabBounce(Machine& m, int w, Wheel& wheel) {
  Box a = BounceArea(m.g, w);
  wheel.bounce = m.canvas.Grab(a.x, a.y, a.w, a.h);
  DrawBounce(m, w, wheel, 1);
}

void StopWheel(Machine& m, int w) {
  m.g.MotionOffset[w] = -1;
  PlayClick(m);
  ClearCell(m, w);
  DrawCell(m, w);
}

// The wheel's picture at step k of its own run: spinning, stopping, bouncing.
void AnimateWheel(Machine& m, int w, Wheel& wheel, int k) {
  if (k <= 20) {
    DrawMotion(m, w, wheel.offset);
    m.g.MotionOffset[w] = wheel.offset;
    wheel.offset -= 61;
    if (wheel.offset < 0) wheel.offset += kMotionStripHeight;
  } else if (k == 21) {
    StopWheel(m, w);
  } else if (k == 22) {
    GrabBounce(m, w, wheel);
  } else if (k >= 23 && k <= 29) {
    DrawBounce(m, w, wheel, kBounceShift[k - 23]);
    if (k == 29) wheel.done = true;
  }
}

void TakeBet(Machine& m) {
  rules::GameState& g = m.g;
  int32_t bet = g.LinesPlayed * g.CoinsPerLine;
  g.Credits -= bet;
  g.TotalBets = rules::SatAdd(g.TotalBets, bet);
}

// The skill stop: every wheel still turning or bouncing comes to rest together.
void FinishWheelsAtOnce(Machine& m, std::array<Wheel, 9>& wheels) {
  for (int f = 0; f <= 8; ++f) {
    for (int w = 0; w < 9; ++w) {
      Wheel& wheel = wheels[w];
      if (wheel.done) continue;
      if (f == 0) StopWheel(m, w);
      else if (f == 1) GrabBounce(m, w, wheel);
      else DrawBounce(m, w, wheel, kBounceShift[f - 2]);
      if (f == 8) wheel.done = true;
    }
    Pause(m, 0.02);
  }
}

void Evaluate(Machine& m) {
  if (m.g.CherryRollMode) machine::EvaluateCherryRoll(m);
  else if (m.g.BarRollMode) machine::EvaluateBarRoll(m);
  else machine::EvaluateRegularSpin(m);
}

// Every earned roll is played at once; Bar Rolls first. Each roll is a whole spin
// with its own roll loop, so a series nests one level per roll.
void PlayEarnedRolls(Machine& m) {
  rules::GameState& g = m.g;
  while (g.BarRollsLeft > 0 || g.CherryRollsLeft > 0) {
    if (g.BarRollsLeft >= 1) {
      g.BarRollsLeft -= 1;
      g.NumberOfBarRolls = rules::SatAdd(g.NumberOfBarRolls, 1);
      if (!g.BarRollMode) rules::LoadBarRollStrips(g);
      g.BarRollMode = true;
      SpinCycle(m);
      if (g.BarRollsLeft == 0) {
        g.BarRollMode = false;
        g.RestoreRegularStrips = true;
      }
    } else {
      g.CherryRollsLeft -= 1;
      g.NumberOfCherryRolls = rules::SatAdd(g.NumberOfCherryRolls, 1);
      if (!g.CherryRollMode) rules::LoadCherryRollStrips(g);
      g.CherryRollMode = true;
      SpinCycle(m);
      if (g.CherryRollsLeft == 0) {
        g.CherryRollMode = false;
        g.RestoreRegularStrips = true;
      }
    }
  }
}

}  // namespace

void SpinCycle(Machine& m) {
  rules::GameState& g = m.g;
  ++m.CycleDepth;

  // Set-up.
  m.rng.Seed(m.clock.TimeOfDayMs());
  g.SpinInProgress = true;
  StopTimer(m, LampTimer::CelebrateAll);
  StopTimer(m, LampTimer::CelebrateAlternate);
  StopTimer(m, LampTimer::WinFlash);
  if (g.WinItem >= 0) HighlightLine(m, g.WinItem, false);
  g.BonusLamp = false;
  DrawLeftSideLamp(m, false);
  DrawRightSideLamp(m, false);
  if (g.RestoreRegularStrips) {
    rules::BuildRegularStrips(g);
    g.Stops = g.RegularStops;
    g.RestoreRegularStrips = false;
    m.view->RepaintAll();
  }
  if (g.BarRollMode) StartTimer(m, LampTimer::FreeSpinsBlink);
  else if (!g.CherryRollMode) TakeBet(m);
  m.view->DrawCreditsMeter();
  m.view->ShowWinnings(false);

  rules::SpinSetup setup = rules::DrawSpinSetup(m.rng);
  int chaser_pos = setup.ChaserPos;
  int chaser_dir = setup.ChaserDir;
  g.ChaserLamps = rules::StartingLamps(chaser_pos, chaser_dir);
  std::array<Wheel, 9> wheels;
  for (int w = 0; w < 9; ++w) {
    wheels[w].offset = setup.Offsets[w];
    g.Stops[w] = setup.Stops[w];
  }
  g.LineWins = {};
  g.SpinWin = 0;
  g.ScreenBonusKind = 0;
  g.StopRequested = false;
  if (!g.CherryRollMode && !g.BarRollMode) g.Spins = rules::SatAdd(g.Spins, 1);
  // Only the wheels' own steps keep the lamp timers from drawing; the pauses after them
  // (bonus lamp, card game, count-off) let the lamps and the win flash run.
  g.WheelsTurning = true;

  // Animation: one step every 25 ms or later, never catching up. Between steps the
  // loop sleeps in the message loop until the next one is due, so input and timers
  // run in the middle of the spin without a core being burnt on polling.
  int step = 0;
  uint64_t last = m.clock.TickMs();
  while (step < rules::kSpinSteps) {
    uint64_t now = m.clock.TickMs();
    if (now - last >= rules::kStepMs) {
      if (StopWanted(m)) step = 1000;
      last = now;
      if (step < rules::kChaserMoves) {
        int lamp = rules::MoveChaser(chaser_pos, chaser_dir, g.ChaserLamps);
        DrawChaserLamp(m, lamp, g.ChaserLamps[lamp]);
      }
      step += 1;
      for (int w = 0; w < 9; ++w) {
        if (StopWanted(m)) {
          step = 1000;
          break;
        }
        AnimateWheel(m, w, wheels[w], step - 9 * w);
      }
    }
    if (StopWanted(m)) step = 1000;
    // The last pass only pumps: nothing is left to wait for.
    m.clock.WaitMessages(step < rules::kSpinSteps ? last + rules::kStepMs : 0);
  }
  if (step >= 1000) FinishWheelsAtOnce(m, wheels);

  // After the animation.
  g.WheelsTurning = false;
  g.BlinkTicks = 0;
  if (g.ChaserLamps[5]) {
    PlayWave(m, rules::kBonusLampSound, true);
    StartTimer(m, LampTimer::CelebrateAll);
    g.BonusLamp = true;
    Pause(m, 1.0);
  }
  Evaluate(m);
  g.SpinInProgress = false;
  PlayEarnedRolls(m);
  StopTimer(m, LampTimer::FreeSpinsBlink);
  --m.CycleDepth;
}

}  // namespace machine
