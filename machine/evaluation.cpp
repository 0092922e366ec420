#include "machine/evaluation.h"

#include "rules/money.h"
#include "machine/sounds.h"
#include "rules/strips.h"
#include "machine/delivery.h"
#include "machine/game_recording.h"
#include "rules/pay_rules.h"
#include "rules/sounds.h"

namespace machine {

namespace {

rules::SpinInput InputFrom(const rules::GameState& g) {
  rules::SpinInput in;
  for (int w = 0; w < 9; ++w) in.Cells[w] = static_cast<uint8_t>(rules::CellSymbol(g, w));
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
void Show(machine::Machine& m, const rules::Event& e) {
  rules::GameState& g = m.g;
  switch (e.Kind) {
    case rules::EventKind::CherryStep:
    case rules::EventKind::CherryRefill:
      g.Cherries = e.Value;
      m.view->DrawCherriesRow();
      machine::PlayWave(m, rules::kCherrySound, true);
      break;
    case rules::EventKind::BellLine:
    case rules::EventKind::BellRefill:
      g.Bells = e.Value;
      m.view->DrawBellsRow();
      machine::PlayWave(m, rules::kBellSound, true);
      break;
    case rules::EventKind::BellPoolAdded:
      g.BellPool = e.Value;
      m.view->DrawBellPoolMeter();
      break;
    case rules::EventKind::AllFruit:
      machine::PlayWave(m, rules::kAllFruitSound, true);
      break;
    case rules::EventKind::BellPoolReset:
      g.BellPool = e.Value;
      m.view->RepaintAll();
      break;
  }
}

void AddStatistics(rules::GameState& g, const rules::SpinOutcome& out) {
  g.CherryRollsLeft = rules::SatAdd(g.CherryRollsLeft, out.CherryRollsEarned);
  g.BarRollsLeft = rules::SatAdd(g.BarRollsLeft, out.BarRollsEarned);
  g.SevensWon = rules::SatAdd(g.SevensWon, out.SevensWon);
  g.FruitWon = rules::SatAdd(g.FruitWon, out.FruitWon);
  g.BellPoolWon = rules::SatAdd(g.BellPoolWon, out.BellPoolWon);
  g.SkillStopWins = rules::SatAdd(g.SkillStopWins, out.SkillStopWins);
}

void Evaluate(machine::Machine& m, rules::SpinKind kind) {
  rules::GameState& g = m.g;
  const rules::SpinOutcome out = rules::EvaluateWindow(kind, InputFrom(g));
  m.animation.FlashTicks = 0;
  m.animation.FlashedItem = out.FirstWinItem;
  g.LineWins = out.LineWins;
  g.ScreenBonusKind = out.ScreenBonusKind;
  // A repaint while the meters move shows the win without the returned bet, which
  // only comes back at the end.
  g.SpinWin = out.SpinWin - out.ReturnedBet;
  g.LastSpinSummary = rules::SummaryText(out);
  g.LastSpinSummaryShown = rules::ShownSummaryText(out);
  AddStatistics(g, out);
  for (int i = 0; i < out.EventCount; ++i) Show(m, out.Events[i]);
  g.Cherries = out.Cherries;
  g.Bells = out.Bells;
  g.BellPool = out.BellPool;
  g.SpinWin = out.SpinWin;
  RecordTurnResult(m, out);
  if (g.SpinWin > 0) DeliverWinnings(m, kind);
}

}  // namespace

void EvaluateRegularSpin(machine::Machine& m) { Evaluate(m, rules::SpinKind::Regular); }
void EvaluateCherryRoll(machine::Machine& m) { Evaluate(m, rules::SpinKind::CherryRoll); }
void EvaluateBarRoll(machine::Machine& m) { Evaluate(m, rules::SpinKind::BarRoll); }

}  // namespace machine
