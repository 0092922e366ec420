#include "rules/game_record.h"

#include "platform/random.h"
#include "rules/game_state.h"
#include "rules/rolls.h"
#include "rules/spin_rules.h"
#include "rules/strips.h"

namespace rules {

const char* TurnKindName(TurnKind kind) {
  switch (kind) {
    case TurnKind::CherryRoll: return "cherry roll";
    case TurnKind::BarRoll: return "bar roll";
    case TurnKind::Spin: break;
  }
  return "spin";
}

const char* BetweenKindName(BetweenKind kind) {
  switch (kind) {
    case BetweenKind::PayBack: return "pay back";
    case BetweenKind::NewGame: return "new game";
    case BetweenKind::LoadGame: return "load game";
    case BetweenKind::Unexplained: return "unexplained change";
    case BetweenKind::Borrow: break;
  }
  return "borrow";
}

bool TurnFollowsFromSeed(const TurnRecord& turn) {
  platform::Rng rng(turn.seed);
  const SpinSetup setup = DrawSpinSetup(rng);
  if (setup.Stops != turn.stops) return false;
  GameState g;
  if (turn.kind == TurnKind::CherryRoll) LoadCherryRollStrips(g);
  else if (turn.kind == TurnKind::BarRoll) LoadBarRollStrips(g);
  else BuildRegularStrips(g);
  g.Stops = turn.stops;
  for (int w = 0; w < 9; ++w)
    if (CellSymbol(g, w) != turn.cells[w]) return false;
  return true;
}

}  // namespace rules
