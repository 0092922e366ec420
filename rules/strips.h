// The symbols, the strips the wheels carry and the stops that pick a wheel's symbol.
#pragma once
#include <array>
#include <cstdint>

#include "platform/words.h"
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
// pay sheet's JSON. Only the first is ever shown to the player (ShownSymbolName); the
// others go into the pay chart's picture and the pay sheet, which stay in English.
struct SymbolName {
  const char* One;
  const char* Plural;
  const char* Key;
};

constexpr std::array<SymbolName, kSymbolCount> kSymbolNames{{
    // TRANSLATORS: a symbol of the wheels, written where its picture cannot be shown.
    {N_("Seven"), "Sevens", "seven"},
    // TRANSLATORS: a symbol of the wheels: one bar.
    {N_("Single BAR"), "Single BARs", "single_bar"},
    // TRANSLATORS: a symbol of the wheels: two bars.
    {N_("Double BAR"), "Double BARs", "double_bar"},
    // TRANSLATORS: a symbol of the wheels: three bars.
    {N_("Triple BAR"), "Triple BARs", "triple_bar"},
    // TRANSLATORS: a symbol of the wheels: the fruit.
    {N_("Orange"), "Oranges", "orange"},
    // TRANSLATORS: a symbol of the wheels.
    {N_("Bell"), "Bells", "bell"},
    // TRANSLATORS: a symbol of the wheels: the fruit.
    {N_("Grapes"), "Grapes", "grapes"},
    // TRANSLATORS: a symbol of the wheels: the fruit.
    {N_("Lemon"), "Lemons", "lemon"},
    // TRANSLATORS: a symbol of the wheels.
    {N_("Clover"), "Clovers", "clover"},
    // TRANSLATORS: a symbol of the wheels: the fruit.
    {N_("Cherry"), "Cherries", "cherry"},
    // TRANSLATORS: a symbol of the wheels of a roll: a Seven that pays wherever it stands.
    {N_("Roll Seven"), "Roll Sevens", "roll_seven"},
    // TRANSLATORS: a symbol of the wheels: the fruit.
    {N_("Melon"), "Melons", "melon"},
}};

// A symbol's name in the player's language.
const char* ShownSymbolName(int code);

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
