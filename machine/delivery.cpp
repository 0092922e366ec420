#include "machine/delivery.h"

#include <algorithm>

#include "rules/money.h"
#include "machine/sounds.h"
#include "rules/sounds.h"

namespace machine {

namespace {

// A count-off should be over within half a minute: 300 steps of 0.1 s.
constexpr int64_t kMaxCountOffSteps = 300;
// Below 1000 the small steps take at most this many (from 999: 90 tens, 15 fives, 24 ones).
constexpr int64_t kLongestTail = 129;

int64_t PlainCountOffSteps(int64_t win) {
  int64_t steps = 0;
  auto take = [&](int64_t floor, int64_t step) {
    if (win < floor) return;
    int64_t n = (win - floor) / step + 1;
    steps += n;
    win -= n * step;
  };
  take(1000, 25);
  take(100, 10);
  take(25, 5);
  return steps + std::max<int64_t>(win, 0);
}

void StartWinFlash(machine::Machine& m) {
  if (m.animation.FlashedItem >= 0 && !m.g.AutoSpin) machine::StartTimer(m, machine::LampTimer::WinFlash);
}

void PlayCardGame(machine::Machine& m) {
  if (m.g.DoubleOrNothingOn && m.PlayDoubleOrNothing && !m.Closing) m.PlayDoubleOrNothing();
}

void PayAtOnce(machine::Machine& m) {
  rules::GameState& g = m.g;
  g.Credits = rules::SatAdd(g.Credits, g.SpinWin);
  m.view->DrawCreditsMeter();
  if (g.SpinWin > 0) machine::PlayWave(m, rules::kPayoutSound, true);
}

void Pay(machine::Machine& m) {
  if (!m.g.CountOffWins) PayAtOnce(m);
  else if (m.g.SpinWin > 0) CountOff(m);
}

}  // namespace

int32_t CountOffLargeStep(int32_t win) {
  if (PlainCountOffSteps(win) <= kMaxCountOffSteps) return 25;
  int64_t above = int64_t{win} - 999;
  int64_t budget = kMaxCountOffSteps - kLongestTail - 1;
  return static_cast<int32_t>(std::max<int64_t>(25, (above + budget - 1) / budget));
}

int32_t CountOffStep(int32_t remaining, int32_t large_step) {
  if (remaining >= 1000) return std::min(remaining, large_step);
  if (remaining >= 100) return 10;
  if (remaining >= 25) return 5;
  return 1;
}

void CountOff(machine::Machine& m) {
  rules::GameState& g = m.g;
  const int32_t large = CountOffLargeStep(g.SpinWin);
  while (g.SpinWin > 0) {
    if (m.Closing) {
      // The window is going away: what is left lands at once.
      g.Credits = rules::SatAdd(g.Credits, g.SpinWin);
      g.SpinWin = 0;
      m.view->DrawCreditsMeter();
      return;
    }
    int32_t step = CountOffStep(g.SpinWin, large);
    g.Credits = rules::SatAdd(g.Credits, step);
    g.SpinWin -= step;
    machine::PlayWave(m, rules::kCountOffSound, false);
    m.view->DrawCreditsMeter();
    machine::Pause(m, 0.1);
  }
}

void DeliverWinnings(machine::Machine& m, rules::SpinKind kind) {
  rules::GameState& g = m.g;
  const bool roll = kind != rules::SpinKind::Regular;
  m.view->ShowWinnings(true);
  machine::PlayWave(m, rules::kWinSound, true);
  // A roll's lines already flash while the card game is open.
  if (roll) StartWinFlash(m);
  PlayCardGame(m);
  m.view->ShowWinnings(true);
  if (!roll) StartWinFlash(m);
  // Rolls count what the player took away from the card table, before it is paid.
  if (kind == rules::SpinKind::CherryRoll) g.CherryRollsWon = rules::SatAdd(g.CherryRollsWon, g.SpinWin);
  if (kind == rules::SpinKind::BarRoll) g.BarRollsWon = rules::SatAdd(g.BarRollsWon, g.SpinWin);
  Pay(m);
}

}  // namespace machine
