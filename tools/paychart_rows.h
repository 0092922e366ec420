// The rows of the payoff chart with the figures worked out from the pay rules, so the
// picture always shows what the game pays. Plain C++: the tests read the same rows.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "rules/pay_rules.h"
#include "rules/strips.h"

namespace art {

// A tile showing "ANY": whatever stands there, short of the symbols the row names.
constexpr int kAny = -1;

// The screen bonus figures are for every line at one coin.
constexpr int32_t kAllLines = static_cast<int32_t>(rules::kPaylines.size());

// Three tiles as a line reads them, a note, and the pay per coin.
struct PayLine {
  int a, b, c;
  std::string note;
  int32_t pay;
};

// A screen bonus: its tile, its name and what it pays with every line at one coin.
struct BonusLine {
  int symbol;
  int sevens;  // Sevens in the window, 0 for All Fruit
  std::string label;
  int32_t pay;
};

inline PayLine RegularLine(int a, int b, int c, std::string note) {
  return {a, b, c, std::move(note), rules::RegularLineMultiplier(a, b, c)};
}

inline PayLine CherryRollLine(int a, int b, int c) {
  return {a, b, c, "", rules::CherryRollLineMultiplier(a, b, c)};
}

inline PayLine BarRollLine(int a, int b, int c) {
  return {a, b, c, "", rules::BarRollLineMultiplier(a, b, c)};
}

inline std::vector<PayLine> RegularPayLines() {
  using namespace rules;
  return {
      RegularLine(Seven, Seven, Seven, "Sevens"),
      RegularLine(Bar1, Bar1, Bar1, "Single BARs"),
      RegularLine(Bar2, Bar2, Bar2, "Double BARs"),
      RegularLine(Bar3, Bar3, Bar3,
                  "Triple BARs + " + std::to_string(kBarRollsPerLine) + " FREE Spins"),
      RegularLine(Fruit4, Fruit4, Fruit4, "Oranges"),
      RegularLine(Bell, Bell, Bell, "Bells (Bell Pool)"),
      RegularLine(Fruit6, Fruit6, Fruit6, "Grapes"),
      RegularLine(Fruit7, Fruit7, Fruit7, "Lemons"),
      RegularLine(Bar1, Bar3, Bar2, "Any 3 BARs"),
      RegularLine(Cherry, Cherry, Cherry, "3 Cherries"),
      RegularLine(Cherry, Cherry, kAny, "2 Cherries"),
      RegularLine(Cherry, kAny, kAny, "1 Cherry"),
  };
}

inline std::vector<PayLine> CherryRollPayLines() {
  using namespace rules;
  return {CherryRollLine(RollSeven, RollSeven, RollSeven), CherryRollLine(Cherry, Cherry, Cherry),
          CherryRollLine(Cherry, Cherry, kAny), CherryRollLine(Cherry, kAny, kAny)};
}

inline std::vector<PayLine> BarRollPayLines() {
  using namespace rules;
  return {BarRollLine(RollSeven, RollSeven, RollSeven), BarRollLine(Bar1, Bar1, Bar1),
          BarRollLine(Bar2, Bar2, Bar2), BarRollLine(Bar3, Bar3, Bar3),
          BarRollLine(Bar2, Bar1, Bar3)};
}

// The All Fruit bonus has no table of its own: a window of nine Melons pays it and
// nothing else.
inline int32_t AllFruitBonus() {
  rules::SpinInput in;
  in.Cells.fill(rules::Fruit11);
  in.LinesPlayed = kAllLines;
  in.CoinsPerLine = 1;
  return rules::EvaluateWindow(rules::SpinKind::Regular, in).FruitWon;
}

// Three Sevens and up, as many as the window holds, then All Fruit.
inline std::vector<BonusLine> ScreenBonusLines() {
  std::vector<BonusLine> rows;
  for (int sevens = 3; sevens <= 9; ++sevens)
    rows.push_back({rules::Seven, sevens, std::to_string(sevens) + " Sevens",
                    rules::SevensMultiplier(sevens) * kAllLines});
  rows.push_back({rules::Fruit4, 0, "All Fruit", AllFruitBonus()});
  return rows;
}

// What one roll Seven pays per coin and line played: a roll of one line at one coin
// with the Seven off that line among Clovers, which pay nothing.
inline int32_t RollSevenPay() {
  rules::SpinInput in;
  in.Cells.fill(rules::Symbol8);
  in.Cells[4] = rules::RollSeven;
  in.LinesPlayed = 1;
  in.CoinsPerLine = 1;
  return rules::EvaluateWindow(rules::SpinKind::CherryRoll, in).SpinWin;
}

}  // namespace art
