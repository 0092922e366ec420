#include "payoffs/evaluation.h"

#include "core/money.h"
#include "core/sounds.h"
#include "core/strips.h"
#include "payoffs/delivery.h"
#include "payoffs/pay_rules.h"

namespace payoffs {

namespace {

SpinInput InputFrom(const core::GameState& g) {
  SpinInput in;
  for (int w = 0; w < 9; ++w) in.Cells[w] = static_cast<uint8_t>(core::CellSymbol(g, w));
  in.LinesPlayed = g.LinesPlayed;
  in.CoinsPerLine = g.CoinsPerLine;
  in.BonusLamp = g.BonusLamp;
  in.Cherries = g.Cherries;
  in.Bells = g.Bells;
  in.BellPool = g.BellPool;
  return in;
}

// Each meter change shows on the window, and most of them are heard to their end,
// while the evaluation waits.
void Show(core::Machine& m, const Event& e) {
  core::GameState& g = m.g;
  switch (e.Kind) {
    case EventKind::CherryStep:
    case EventKind::CherryRefill:
      g.Cherries = e.Value;
      m.view->DrawCherriesRow();
      core::PlayWave(m, "Cherry5.wav", true);
      break;
    case EventKind::BellLine:
    case EventKind::BellRefill:
      g.Bells = e.Value;
      m.view->DrawBellsRow();
      core::PlayWave(m, "Cherry4.wav", true);
      break;
    case EventKind::BellPoolAdded:
      g.BellPool = e.Value;
      m.view->DrawBellPoolMeter();
      break;
    case EventKind::AllFruit:
      core::PlayWave(m, "Cherry10.wav", true);
      break;
    case EventKind::BellPoolReset:
      g.BellPool = e.Value;
      m.view->RepaintAll();
      break;
  }
}

void AddStatistics(core::GameState& g, const SpinOutcome& out) {
  g.CherryRollsLeft = core::SatAdd(g.CherryRollsLeft, out.CherryRollsEarned);
  g.BarRollsLeft = core::SatAdd(g.BarRollsLeft, out.BarRollsEarned);
  g.SevensWon = core::SatAdd(g.SevensWon, out.SevensWon);
  g.FruitWon = core::SatAdd(g.FruitWon, out.FruitWon);
  g.BellPoolWon = core::SatAdd(g.BellPoolWon, out.BellPoolWon);
  g.GotBonusCount = core::SatAdd(g.GotBonusCount, out.GotBonusCount);
}

void Evaluate(core::Machine& m, SpinKind kind) {
  core::GameState& g = m.g;
  const SpinOutcome out = EvaluateWindow(kind, InputFrom(g));
  g.FlashTicks = 0;
  g.WinItem = out.WinItem;
  g.LineWins = out.LineWins;
  g.ScreenBonus = out.ScreenBonus;
  // A repaint while the meters move shows the win without the returned bet, which
  // only comes back at the end.
  g.SpinWin = out.SpinWin - out.ReturnedBet;
  g.LastSpinSummary = SummaryText(out);
  AddStatistics(g, out);
  for (int i = 0; i < out.EventCount; ++i) Show(m, out.Events[i]);
  g.Cherries = out.Cherries;
  g.Bells = out.Bells;
  g.BellPool = out.BellPool;
  g.SpinWin = out.SpinWin;
  if (g.SpinWin > 0) DeliverWinnings(m, kind);
}

}  // namespace

void EvaluateRegularSpin(core::Machine& m) { Evaluate(m, SpinKind::Regular); }
void EvaluateCherryRoll(core::Machine& m) { Evaluate(m, SpinKind::CherryRoll); }
void EvaluateBarRoll(core::Machine& m) { Evaluate(m, SpinKind::BarRoll); }

}  // namespace payoffs
