#include "machine/game_recording.h"

#include <utility>

#include "rules/strips.h"

namespace machine {

namespace {

// The turn being played; a game always has its spin before any roll.
rules::TurnRecord* CurrentTurn(Machine& m) {
  return m.Record.turns.empty() ? nullptr : &m.Record.turns.back();
}

}  // namespace

void BeginGame(Machine& m) {
  const rules::GameState& g = m.g;
  rules::GameRecord& r = m.Record;
  r = rules::GameRecord{};
  r.lines = g.LinesPlayed;
  r.coins = g.CoinsPerLine;
  r.bet = g.LinesPlayed * g.CoinsPerLine;
  r.credits_before = g.Credits;
  r.bell_pool_before = g.BellPool;
  r.between = std::exchange(m.Between, {});
}

void BeginTurn(Machine& m, rules::TurnKind kind, uint64_t seed) {
  rules::TurnRecord turn;
  turn.kind = kind;
  turn.seed = seed;
  m.Record.turns.push_back(turn);
}

void RecordWheelsStopped(Machine& m, bool skill_stop) {
  if (rules::TurnRecord* turn = CurrentTurn(m)) turn->skill_stop = skill_stop;
}

void RecordTurnResult(Machine& m, const rules::SpinOutcome& out) {
  rules::TurnRecord* turn = CurrentTurn(m);
  if (!turn) return;
  const rules::GameState& g = m.g;
  turn->stops = g.Stops;
  for (int w = 0; w < 9; ++w) turn->cells[w] = rules::CellSymbol(g, w);
  turn->line_wins = out.LineWins;
  turn->screen_bonus = out.ScreenBonusKind;
  turn->bonus_lamp = g.BonusLamp;
  turn->win = out.SpinWin;
  m.Record.bell_pool_award += out.BellPoolWon;
}

void RecordGamble(Machine& m, int32_t stake, int32_t card, int32_t won) {
  if (m.Record.turns.empty()) return;
  m.Record.gamble.push_back({static_cast<int>(m.Record.turns.size()) - 1, stake, card, won});
}

void EndGame(Machine& m) {
  const rules::GameState& g = m.g;
  rules::GameRecord& r = m.Record;
  r.number = g.Spins;
  r.credits_after = g.Credits;
  r.bell_pool_after = g.BellPool;
  r.win = r.credits_after - r.credits_before + r.bet;
  rules::AddGame(m.LifeMeters, r);
  rules::AddGame(m.SessionMeters, r);
  if (m.SessionPoints.size() >= Machine::kMaxSessionPoints) m.SessionPoints.erase(m.SessionPoints.begin());
  m.SessionPoints.push_back(rules::PointOf(r));
  if (m.GameRecorded) m.GameRecorded(r);
}

void RecordBetween(Machine& m, rules::BetweenKind kind, int64_t credits_before) {
  const rules::BetweenGames between{kind, credits_before, m.g.Credits};
  m.Between.push_back(between);
  rules::AddBetween(m.LifeMeters, between);
  rules::AddBetween(m.SessionMeters, between);
}

}  // namespace machine
