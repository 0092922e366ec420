// What the recall keeps of one game: everything that happened from the bet to the last
// credit paid, in order, so that a player can look back at it and check it adds up.
// Plain data: the machine fills it in as the game is played, the recall file keeps it.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rules {

// One turn of the wheels: the game's own spin or one of the rolls it earned.
enum class TurnKind { Spin = 0, CherryRoll = 1, BarRoll = 2 };
// "spin", "cherry roll", "bar roll": in English for the simulator, in the player's language
// for the recall window.
const char* TurnKindName(TurnKind kind);
const char* ShownTurnKindName(TurnKind kind);

struct TurnRecord {
  TurnKind kind = TurnKind::Spin;
  uint64_t seed = 0;                  // the draws of this turn's set-up came from it
  std::array<int32_t, 9> stops{};     // where each wheel stopped, row by row
  std::array<int32_t, 9> cells{};     // the symbols shown there
  std::array<int32_t, 8> line_wins{};
  int32_t screen_bonus = 0;           // which screen bonus paid; 0 for none
  bool bonus_lamp = false;
  bool skill_stop = false;            // the player stopped the wheels
  int32_t win = 0;                    // what the turn won, before any gamble
};

// One card turned at the Double or Nothing table, after turn `after` (0 the spin, 1 the
// first roll ...). A gamble, not a game: its stakes stay out of the turnover.
struct GambleStep {
  int after = 0;
  int32_t stake = 0;  // the winnings at stake when the card was turned
  int32_t card = 0;   // 0..51, or the Joker's 52
  int32_t won = 0;    // the winnings at stake after it
};

// Credits that changed hands between two games.
// Unexplained: the saved game held other credits than the meters left (an edited or older file).
enum class BetweenKind { Borrow = 0, PayBack = 1, NewGame = 2, LoadGame = 3, Unexplained = 4 };
// "borrow", "pay back", "new game", "load game", "unexplained change": in English for the
// simulator, in the player's language for the recall window.
const char* BetweenKindName(BetweenKind kind);
const char* ShownBetweenKindName(BetweenKind kind);
struct BetweenGames {
  BetweenKind kind = BetweenKind::Borrow;
  int64_t credits_before = 0;
  int64_t credits_after = 0;
};

struct GameRecord {
  int32_t number = 0;  // the Spins count this game made
  std::string time;    // when it was played: "2026-12-08 13:45:02", the player's local time
  int32_t lines = 0;
  int32_t coins = 0;
  int32_t bet = 0;
  int64_t credits_before = 0;  // before the bet was taken
  int64_t credits_after = 0;
  int32_t bell_pool_before = 0;
  int32_t bell_pool_after = 0;
  int32_t bell_pool_award = 0;  // the Bell Pool paid in this game, rolls included
  std::vector<TurnRecord> turns;  // the spin first, then each roll in the order played
  std::vector<GambleStep> gamble;
  int64_t win = 0;  // everything credited: credits_after - credits_before + bet
  std::vector<BetweenGames> between;  // what came before this game, since the last one
};

// Whether the turn's stops are the ones its seed draws, by the game's own draw order, and
// its symbols the ones its strips (regular, Cherry Roll or Bar Roll) show at those stops.
bool TurnFollowsFromSeed(const TurnRecord& turn);

// The games a recall keeps: the current one and the nine before it unless the player keeps more.
constexpr int kRecallGames = 10;
constexpr int kMaxRecallGames = 100;

}  // namespace rules
