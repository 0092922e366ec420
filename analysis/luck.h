// What chance alone explains of a player's return: over a few games anything can happen,
// over many the return closes in on the pay sheet's.
#pragma once
#include <cstdint>

namespace analysis {

struct ReturnRange {
  double expected = 0;  // % of the bet, in the long run
  double low = 0;       // 95 players in 100 end between low and high after that many games
  double high = 0;
};

// For `games` regular spins (rolls included) at this bet by a player who lights the bonus
// lamp with `lamp_chance` a spin: the pay sheet's return and the range its volatility
// gives, taken as normal (the mean of many games is), never below 0.
ReturnRange LuckRange(int32_t lines, int32_t coins, double lamp_chance, int64_t games);

}  // namespace analysis
