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
      RegularLine(Seven, Seven, Seven, kSymbolNames[Seven].Plural),
      RegularLine(SingleBar, SingleBar, SingleBar, kSymbolNames[SingleBar].Plural),
      RegularLine(DoubleBar, DoubleBar, DoubleBar, kSymbolNames[DoubleBar].Plural),
      RegularLine(TripleBar, TripleBar, TripleBar,
                  std::string(kSymbolNames[TripleBar].Plural) + " + " + std::to_string(kBarRollsPerLine) + " FREE Spins"),
      RegularLine(Orange, Orange, Orange, kSymbolNames[Orange].Plural),
      RegularLine(Bell, Bell, Bell, std::string(kSymbolNames[Bell].Plural) + " (Bell Pool)"),
      RegularLine(Grapes, Grapes, Grapes, kSymbolNames[Grapes].Plural),
      RegularLine(Lemon, Lemon, Lemon, kSymbolNames[Lemon].Plural),
      RegularLine(SingleBar, TripleBar, DoubleBar, "Any 3 BARs"),
      RegularLine(Cherry, Cherry, Cherry, std::string("3 ") + kSymbolNames[Cherry].Plural),
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
  return {BarRollLine(RollSeven, RollSeven, RollSeven), BarRollLine(SingleBar, SingleBar, SingleBar),
          BarRollLine(DoubleBar, DoubleBar, DoubleBar), BarRollLine(TripleBar, TripleBar, TripleBar),
          BarRollLine(DoubleBar, SingleBar, TripleBar)};
}

// The All Fruit bonus has no table of its own: a window of nine Melons pays it and
// nothing else.
inline int32_t AllFruitBonus() {
  rules::SpinInput in;
  in.Cells.fill(rules::Melon);
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
  rows.push_back({rules::Orange, 0, "All Fruit", AllFruitBonus()});
  return rows;
}

// What one roll Seven pays per coin and line played: a roll of one line at one coin
// with the Seven off that line among Clovers, which pay nothing.
inline int32_t RollSevenPay() {
  rules::SpinInput in;
  in.Cells.fill(rules::Clover);
  in.Cells[4] = rules::RollSeven;
  in.LinesPlayed = 1;
  in.CoinsPerLine = 1;
  return rules::EvaluateWindow(rules::SpinKind::CherryRoll, in).SpinWin;
}

}  // namespace art
