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
  g.BarRollsLeft = 0;
  g.CherryRollsLeft = 0;
  g.Credits = 1000;
  g.Borrowed = 1000;
  g.Cherries = 6;
  g.Bells = 3;
  g.Spins = 0;
  g.BellPool = 100;
  g.TotalBets = 0;
  g.NumberOfCherryRolls = 0;
  g.NumberOfBarRolls = 0;
  g.BellPoolWon = 0;
  g.CherryRollsWon = 0;
  g.BarRollsWon = 0;
  g.DoubleOrNothingWon = 0;
  g.SevensWon = 0;
  g.FruitWon = 0;
  g.SkillStopWins = 0;
}

void ApplyStartupValues(GameState& g) {
  g.SpinInProgress = false;
  g.Spins = 0;
  g.Bells = 3;
  g.CountOffWins = true;
  g.Cherries = 6;
  BuildRegularStrips(g);
  g.Stops = kStartupStops;
  g.CoinsPerLine = 1;
  g.LinesPlayed = 8;
  NewGameReset(g);
  g.RestoreRegularStrips = false;
  g.CherryRollMode = false;
  g.BarRollMode = false;
  g.StopRequested = false;
  g.BonusLamp = false;
  g.Sound = true;
  g.AutoSpin = false;
  g.AutoSave = true;
  g.DoubleOrNothingOn = true;
}

}  // namespace rules
