#include "rules/game_record.h"

#include "platform/random.h"
#include "platform/words.h"
#include "rules/game_state.h"
#include "rules/rolls.h"
#include "rules/spin_rules.h"
#include "rules/strips.h"

namespace rules {

const char* TurnKindName(TurnKind kind) {
  switch (kind) {
    // TRANSLATORS: a turn of the wheels as the recall lists it: "Cherry roll 2: won 40."
    case TurnKind::CherryRoll: return N_("cherry roll");
    // TRANSLATORS: a turn of the wheels as the recall lists it: "Bar roll 3: won 10."
    case TurnKind::BarRoll: return N_("bar roll");
    case TurnKind::Spin: break;
  }
  // TRANSLATORS: the game's own turn of the wheels, as the recall names it.
  return N_("spin");
}

const char* BetweenKindName(BetweenKind kind) {
  switch (kind) {
    // TRANSLATORS: what the player did between two games, in the recall's "Before this game: %1, ..."
    case BetweenKind::PayBack: return N_("pay back");
    // TRANSLATORS: what the player did between two games, in the recall's "Before this game: %1, ..."
    case BetweenKind::NewGame: return N_("new game");
    // TRANSLATORS: what the player did between two games, in the recall's "Before this game: %1, ..."
    case BetweenKind::LoadGame: return N_("load game");
    // TRANSLATORS: credits changed between two games with no cause the game knows, in the
    // recall's "Before this game: %1, ..."
    case BetweenKind::Unexplained: return N_("unexplained change");
    case BetweenKind::Borrow: break;
  }
  // TRANSLATORS: what the player did between two games, in the recall's "Before this game: %1, ..."
  return N_("borrow");
}

const char* ShownTurnKindName(TurnKind kind) { return _(TurnKindName(kind)); }
const char* ShownBetweenKindName(BetweenKind kind) { return _(BetweenKindName(kind)); }

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
