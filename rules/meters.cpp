#include "rules/meters.h"

namespace rules {

SessionPoint PointOf(const GameRecord& game) {
  SessionPoint p{game.credits_before, game.credits_after, false, false};
  for (const BetweenGames& b : game.between) {
    p.borrowed |= b.kind == BetweenKind::Borrow;
    p.paid_back |= b.kind == BetweenKind::PayBack;
  }
  return p;
}

void AddGame(Meters& m, const GameRecord& game) {
  m.games += 1;
  m.turnover += game.bet;
  m.won += game.win;
  m.bell_pool_awards += game.bell_pool_award;
  // What the pool holds after, plus what it paid out, less what it held before.
  m.bell_pool_in += int64_t{game.bell_pool_after} + game.bell_pool_award - game.bell_pool_before;
  for (size_t t = 1; t < game.turns.size(); ++t) {
    m.rolls += 1;
    m.roll_wins += game.turns[t].win;
  }
  // A table's stake is its first card's; what it gave back is what its last card left.
  for (size_t s = 0; s < game.gamble.size(); ++s) {
    const GambleStep& step = game.gamble[s];
    if (s == 0 || game.gamble[s - 1].after != step.after) m.gamble_staked += step.stake;
    if (s + 1 == game.gamble.size() || game.gamble[s + 1].after != step.after) m.gamble_returned += step.won;
  }
}

void AddBetween(Meters& m, const BetweenGames& between) {
  const int64_t change = between.credits_after - between.credits_before;
  switch (between.kind) {
    case BetweenKind::Borrow: m.borrowed += change; break;
    case BetweenKind::PayBack: m.paid_back -= change; break;
    default: m.credits_set += change; break;
  }
}

int64_t CreditsByMeters(const Meters& m) {
  return m.opening_credits + m.won + m.borrowed + m.credits_set - m.turnover - m.paid_back;
}

}  // namespace rules
