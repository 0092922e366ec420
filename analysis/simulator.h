// Plays the machine headless, millions of spins a second: the game's set-up draws and
// chaser, its strips, and its pay rules through tables derived from them at start-up.
// Every earned roll is played, Bar Rolls first, and the meters and the Bell Pool carry
// over from spin to spin as in the game. Double or Nothing is never played.
#pragma once
#include <array>
#include <cstdint>

#include "analysis/par_sheet.h"
#include "rules/game_state.h"
#include "platform/random.h"

namespace analysis {

struct SimOptions {
  int64_t Spins = 0;
  uint64_t Seed = 0;
  int32_t LinesPlayed = 8;
  int32_t CoinsPerLine = 1;
  int Threads = 1;
  SkillStop Skill = SkillStop::None;
  double Confidence = 0.99;
  // Every window through EvaluateWindow instead of the derived tables: slower, and the
  // same play to the credit.
  bool FullEvaluation = false;
};

// The meters that carry over from spin to spin.
struct Meters {
  int32_t Cherries = rules::kCherriesFull;
  int32_t Bells = rules::kBellsFull;
  int32_t BellPool = rules::kBellPoolStart;
};

// The game's money, kept in 64 bits: over a long run the bets alone pass what the
// game's 32-bit meters hold. A new game starts with its credits all borrowed.
struct Accounts {
  int64_t Credits = rules::kNewGameCredits;
  int64_t Borrowed = rules::kNewGameCredits;
  int64_t TotalBets = 0;
  int64_t TotalPaid = 0;
  // The game's own identity: everything paid is what the player holds, less what he
  // borrowed, plus what he bet.
  bool Balanced() const { return TotalPaid == Credits - Borrowed + TotalBets; }
};

// What one regular spin paid and earned.
struct RegularPlay {
  std::array<int32_t, 8> LineWins{};
  std::array<uint8_t, 8> LineCombination{};  // into MachineTables::RegularLines
  int32_t SevensBonus = 0;
  int32_t FruitBonus = 0;
  int32_t PoolWon = 0;
  int32_t ReturnedBet = 0;
  int32_t Win = 0;  // all of the above
  int32_t CherryRolls = 0;
  int32_t BarRolls = 0;
  int Sevens = 0;
};

struct RollPlay {
  std::array<int32_t, 8> LineWins{};
  std::array<uint8_t, 8> LineCombination{};
  int32_t SevensPaid = 0;
  int32_t Win = 0;
};

using Window = std::array<uint8_t, 9>;

RegularPlay PlayRegular(const MachineTables& t, const Window& cells, bool lamp, Meters& meters);
RollPlay PlayRoll(const MachineTables& t, rules::SpinKind kind, const Window& cells, bool lamp);
// The same through the game's EvaluateWindow.
RegularPlay PlayRegularFull(const MachineTables& t, const Window& cells, bool lamp, Meters& meters);
RollPlay PlayRollFull(const MachineTables& t, rules::SpinKind kind, const Window& cells, bool lamp);

struct SimResult {
  Report Figures;  // each with its confidence interval
  int64_t Spins = 0;
  int64_t CherryRolls = 0;
  int64_t BarRolls = 0;
  int64_t LargestWin = 0;  // one regular spin with its rolls
  Accounts Money;          // summed over the threads' games
  bool Balanced = true;    // every thread's game held the identity
  uint64_t Seed = 0;
  int Threads = 1;
  double Seconds = 0;
};

// Each thread plays its own new game from its own stream, seeded from the seed and
// the thread's number; the same seed and thread count give the same result.
SimResult Simulate(const MachineTables& t, const SimOptions& o);

// The generator of thread `index` of a run seeded with `seed`.
platform::Rng ThreadRng(uint64_t seed, int index);

// Two-sided quantile of the normal distribution, and Student's t for `df` degrees of
// freedom, for a confidence level such as 0.99.
double NormalQuantile(double confidence);
double StudentQuantile(double confidence, int64_t df);

}  // namespace analysis
