#include "machine/spin_cycle.h"

#include <array>

#include "machine/evaluation.h"
#include "machine/game_recording.h"
#include "machine/sounds.h"
#include "rules/money.h"
#include "rules/rolls.h"
#include "rules/sounds.h"
#include "rules/spin_rules.h"
#include "rules/strips.h"

namespace machine {

namespace {

// A wheel's run, in animation steps counted from its own start: it turns until
// kLastTurningStep, stops on the next step, takes its bounce picture on the one after,
// then shows its bounce frame by frame.
constexpr int kLastTurningStep = 20;
constexpr int kStopStep = kLastTurningStep + 1;
constexpr int kBounceStep = kStopStep + 1;
constexpr int kLastBounceStep = kBounceStep + kBounceFrames;
// Each wheel starts this many steps after the one before it.
constexpr int kWheelStagger = 9;
// A turning wheel moves this many rows of its motion strip a step.
constexpr int kRowsPerStep = 61;
// The step count jumps here when a stop is wanted: past every step of the run.
constexpr int kStopAtOnce = 1000;

struct Wheel {
  int row = 0;
  bool done = false;
};

bool StopWanted(const Machine& m) { return m.g.StopRequested || m.Closing; }

void StopWheel(Machine& m, int w) {
  m.animation.MotionRow[w] = -1;
  PlayClick(m);
  m.view->DrawStoppedWheel(w);
}

// The wheel's picture at step k of its own run: turning, stopping, bouncing.
void AnimateWheel(Machine& m, int w, Wheel& wheel, int k) {
  if (k <= kLastTurningStep) {
    m.view->DrawTurningWheel(w, wheel.row);
    m.animation.MotionRow[w] = wheel.row;
    wheel.row -= kRowsPerStep;
    if (wheel.row < 0) wheel.row += rules::kMotionStripRows;
  } else if (k == kStopStep) {
    StopWheel(m, w);
  } else if (k == kBounceStep) {
    m.view->TakeBouncePicture(w);
  } else if (k > kBounceStep && k <= kLastBounceStep) {
    m.view->DrawBounce(w, k - kBounceStep - 1);
    if (k == kLastBounceStep) wheel.done = true;
  }
}

void TakeBet(Machine& m) {
  rules::GameState& g = m.g;
  int32_t bet = g.LinesPlayed * g.CoinsPerLine;
  g.Credits -= bet;
  g.TotalBets = rules::SatAdd(g.TotalBets, bet);
}

// The skill stop: every wheel still turning or bouncing comes to rest together, a
// frame every 20 ms: stopped, its bounce picture taken, then its bounce.
void FinishWheelsAtOnce(Machine& m, std::array<Wheel, 9>& wheels) {
  const int frames = 2 + kBounceFrames;
  for (int f = 0; f < frames; ++f) {
    for (int w = 0; w < 9; ++w) {
      Wheel& wheel = wheels[w];
      if (wheel.done) continue;
      if (f == 0) StopWheel(m, w);
      else if (f == 1) m.view->TakeBouncePicture(w);
      else m.view->DrawBounce(w, f - 2);
      if (f == frames - 1) wheel.done = true;
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
  const uint64_t seed = m.clock.TimeOfDayMs();
  m.rng.Seed(seed);
  const bool game = !g.CherryRollMode && !g.BarRollMode;  // a roll is a turn of the game that earned it
  if (game) BeginGame(m);
  BeginTurn(m, g.BarRollMode ? rules::TurnKind::BarRoll
               : g.CherryRollMode ? rules::TurnKind::CherryRoll : rules::TurnKind::Spin, seed);
  g.SpinInProgress = true;
  StopTimer(m, LampTimer::CelebrateAll);
  StopTimer(m, LampTimer::CelebrateAlternate);
  StopTimer(m, LampTimer::WinFlash);
  if (m.animation.FlashedItem >= 0) m.view->HighlightLine(m.animation.FlashedItem, false);
  m.animation.FlashPhase = false;  // the flashed item now shows plain
  g.BonusLamp = false;
  m.view->DrawSideLamps(false, false);
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
  auto& lamps = m.animation.ChaserLamps;
  lamps = rules::StartingLamps(chaser_pos, chaser_dir);
  std::array<Wheel, 9> wheels;
  for (int w = 0; w < 9; ++w) {
    wheels[w].row = setup.Offsets[w];
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
      if (StopWanted(m)) step = kStopAtOnce;
      last = now;
      if (step < rules::kChaserMoves) {
        int lamp = rules::MoveChaser(chaser_pos, chaser_dir, lamps);
        m.view->DrawChaserLamp(lamp, lamps[lamp]);
      }
      step += 1;
      for (int w = 0; w < 9; ++w) {
        if (StopWanted(m)) {
          step = kStopAtOnce;
          break;
        }
        AnimateWheel(m, w, wheels[w], step - kWheelStagger * w);
      }
    }
    if (StopWanted(m)) step = kStopAtOnce;
    // The last pass only pumps: nothing is left to wait for.
    m.clock.WaitMessages(step < rules::kSpinSteps ? last + rules::kStepMs : 0);
  }
  if (step >= kStopAtOnce) FinishWheelsAtOnce(m, wheels);
  RecordWheelsStopped(m, step >= kStopAtOnce && !m.Closing);

  // After the animation.
  g.WheelsTurning = false;
  m.animation.BlinkTicks = 0;
  if (lamps[5]) {
    PlayWave(m, rules::kBonusLampSound, true);
    StartTimer(m, LampTimer::CelebrateAll);
    g.BonusLamp = true;
    Pause(m, 1.0);
  }
  Evaluate(m);
  g.SpinInProgress = false;
  PlayEarnedRolls(m);
  StopTimer(m, LampTimer::FreeSpinsBlink);
  if (game) EndGame(m);
  --m.CycleDepth;
}

}  // namespace machine
