// The symbols, the strips the wheels carry and the stops that pick a wheel's symbol.
#pragma once
#include <array>
#include <cstdint>

#include "rules/game_state.h"

namespace rules {

enum Symbol : uint8_t {
  Seven = 0,
  Bar1 = 1,
  Bar2 = 2,
  Bar3 = 3,
  Fruit4 = 4,
  Bell = 5,
  Fruit6 = 6,
  Fruit7 = 7,
  Symbol8 = 8,
  Cherry = 9,
  RollSeven = 10,
  Fruit11 = 11,
};

constexpr int kSymbolCount = 12;

inline bool IsBar(int code) { return code >= Bar1 && code <= Bar3; }
// Fruit for the All Fruit bonus: 4, 6, 7, 9, 10 and 11.
inline bool IsFruit(int code) { return code == Fruit4 || (code >= Fruit6 && code != Symbol8); }

// The nine regular strips, built from their source strings and overwrites.
std::array<Strip, 9> RegularStrips();
void BuildRegularStrips(GameState& g);

// A strip from 20 digit characters, each digit plus `add` giving the code.
Strip StripFromText(const char* text, int add);

// The symbol wheel w shows: Strips[w][Stops[w]].
inline int CellSymbol(const GameState& g, int w) { return g.Strips[w][g.Stops[w]]; }

}  // namespace rules
