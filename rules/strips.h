// The symbols, the strips the wheels carry and the stops that pick a wheel's symbol.
#pragma once
#include <array>
#include <cstdint>

#include "rules/game_state.h"

namespace rules {

enum Symbol : uint8_t {
  Seven = 0,
  SingleBar = 1,
  DoubleBar = 2,
  TripleBar = 3,
  Orange = 4,
  Bell = 5,
  Grapes = 6,
  Lemon = 7,
  Clover = 8,
  Cherry = 9,
  RollSeven = 10,
  Melon = 11,
};

constexpr int kSymbolCount = 12;

// Each symbol as the player knows it: on its own, several of it, and as a key of the
// pay sheet's JSON.
struct SymbolName {
  const char* One;
  const char* Plural;
  const char* Key;
};

constexpr std::array<SymbolName, kSymbolCount> kSymbolNames{{
    {"Seven", "Sevens", "seven"},
    {"Single BAR", "Single BARs", "single_bar"},
    {"Double BAR", "Double BARs", "double_bar"},
    {"Triple BAR", "Triple BARs", "triple_bar"},
    {"Orange", "Oranges", "orange"},
    {"Bell", "Bells", "bell"},
    {"Grapes", "Grapes", "grapes"},
    {"Lemon", "Lemons", "lemon"},
    {"Clover", "Clovers", "clover"},
    {"Cherry", "Cherries", "cherry"},
    {"Roll Seven", "Roll Sevens", "roll_seven"},
    {"Melon", "Melons", "melon"},
}};

inline bool IsBar(int code) { return code >= SingleBar && code <= TripleBar; }
// Fruit for the All Fruit bonus: Orange, Grapes, Lemon, Cherry, Roll Seven and Melon.
inline bool IsFruit(int code) { return code == Orange || (code >= Grapes && code != Clover); }

// The nine regular strips, built from their source strings and overwrites.
std::array<Strip, 9> RegularStrips();
void BuildRegularStrips(GameState& g);

// A strip from 20 digit characters, each digit plus `add` giving the code.
Strip StripFromText(const char* text, int add);

// The symbol wheel w shows: Strips[w][Stops[w]].
inline int CellSymbol(const GameState& g, int w) { return g.Strips[w][g.Stops[w]]; }

}  // namespace rules
