#include "rules/game_state.h"

#include "rules/pay_rules.h"
#include "rules/strips.h"

namespace rules {

int32_t ResultItem(const GameState& g, int i) {
  if (i >= 0 && i < 8) return g.LineWins[i];
  if (i == kResultItemSpinTotal) return g.SpinWin;
  if (i == kResultItemScreen) return g.ScreenBonusKind;
  return 0;
}

void NewGameReset(GameState& g) {
  // Everything but the bet, the options, the wheels and the last result starts afresh.
  const GameState fresh;
  g.BarRollsLeft = fresh.BarRollsLeft;
  g.CherryRollsLeft = fresh.CherryRollsLeft;
  g.Credits = fresh.Credits;
  g.Borrowed = fresh.Borrowed;
  g.Cherries = fresh.Cherries;
  g.Bells = fresh.Bells;
  g.Spins = fresh.Spins;
  g.BellPool = fresh.BellPool;
  g.TotalBets = fresh.TotalBets;
  g.NumberOfCherryRolls = fresh.NumberOfCherryRolls;
  g.NumberOfBarRolls = fresh.NumberOfBarRolls;
  g.BellPoolWon = fresh.BellPoolWon;
  g.CherryRollsWon = fresh.CherryRollsWon;
  g.BarRollsWon = fresh.BarRollsWon;
  g.DoubleOrNothingWon = fresh.DoubleOrNothingWon;
  g.SevensWon = fresh.SevensWon;
  g.FruitWon = fresh.FruitWon;
  g.SkillStopWins = fresh.SkillStopWins;
}

void ApplyStartupValues(GameState& g) {
  // The machine switched on: a new game on the regular strips at their start-up stops,
  // with the name, the date and the last result of whatever game was in hand kept.
  const GameState fresh;
  NewGameReset(g);
  g.LinesPlayed = fresh.LinesPlayed;
  g.CoinsPerLine = fresh.CoinsPerLine;
  g.Sound = fresh.Sound;
  g.DoubleOrNothingOn = fresh.DoubleOrNothingOn;
  g.CountOffWins = fresh.CountOffWins;
  g.AutoSave = fresh.AutoSave;
  g.SpinInProgress = fresh.SpinInProgress;
  g.StopRequested = fresh.StopRequested;
  g.AutoSpin = fresh.AutoSpin;
  g.BonusLamp = fresh.BonusLamp;
  g.CherryRollMode = fresh.CherryRollMode;
  g.BarRollMode = fresh.BarRollMode;
  g.RestoreRegularStrips = fresh.RestoreRegularStrips;
  BuildRegularStrips(g);
  g.Stops = kStartupStops;
}

}  // namespace rules
