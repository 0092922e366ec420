#include "rules/strips.h"

#include <initializer_list>

namespace rules {

namespace {

struct Overwrite {
  std::initializer_list<int> indexes;
  uint8_t code;
};

constexpr const char* kSourceA = "72491637507463419356";
constexpr const char* kSourceB = "72491630757269543926";
constexpr const char* kSourceC = "72491631750745691546";
constexpr const char* kSourceD = "72491631750745671546";
constexpr const char* kSourceE = "72451637505453519356";

Strip Build(const char* source, std::initializer_list<Overwrite> overwrites) {
  Strip s = StripFromText(source, 0);
  for (const Overwrite& o : overwrites)
    for (int i : o.indexes) s[i] = o.code;
  return s;
}

}  // namespace

Strip StripFromText(const char* text, int add) {
  Strip s{};
  for (int i = 0; i < 20; ++i) s[i] = static_cast<uint8_t>(text[i] - '0' + add);
  return s;
}

std::array<Strip, 9> RegularStrips() {
  return {
      Build(kSourceA, {{{0, 6, 19}, Clover}}),
      Build(kSourceB, {}),
      Build(kSourceC, {{{4}, Melon}, {{2, 19}, Clover}}),
      Build(kSourceB, {{{1}, Melon}, {{6, 8}, Clover}}),
      Build(kSourceD, {{{4, 19}, Melon}, {{7}, Clover}}),
      Build(kSourceA, {}),
      Build(kSourceC, {}),
      Build(kSourceE, {{{6}, Melon}, {{3, 19}, Clover}}),
      Build(kSourceB, {{{1, 5, 10}, Melon}}),
  };
}

void BuildRegularStrips(GameState& g) { g.Strips = RegularStrips(); }

const char* ShownSymbolName(int code) { return _(kSymbolNames[code].One); }

}  // namespace rules
