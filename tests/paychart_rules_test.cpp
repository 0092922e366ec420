// The pays the player reads, on the payoff chart and in the manual, held against the pay
// rules: a rule changed or added without the chart or the manual following fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "rules/pay_rules.h"
#include "rules/strips.h"
#include "tests/profile_test_support.h"
#include "tools/paychart_rows.h"

namespace {

using LineRule = int32_t (*)(int, int, int);
using Line = std::array<int, 3>;

std::vector<Line> EveryLine() {
  std::vector<Line> lines;
  for (int a = 0; a < rules::kSymbolCount; ++a)
    for (int b = 0; b < rules::kSymbolCount; ++b)
      for (int c = 0; c < rules::kSymbolCount; ++c) lines.push_back({a, b, c});
  return lines;
}

// A window of Clovers, which pay nothing anywhere, with `count` of `symbol` from the first
// cell on, played on `lines` lines at `coins` coins.
rules::SpinOutcome Evaluate(rules::SpinKind kind, int symbol, int count, int lines, int coins) {
  rules::SpinInput in;
  in.Cells.fill(rules::Clover);
  for (int i = 0; i < count; ++i) in.Cells[i] = static_cast<uint8_t>(symbol);
  in.LinesPlayed = lines;
  in.CoinsPerLine = coins;
  return rules::EvaluateWindow(kind, in);
}

// ---- The chart.

// How a player reads a chart row: a tile stands for its own symbol, "ANY" for every symbol,
// and a row of mixed BARs for every mix of BARs.
bool ChartRowReads(const art::PayLine& row, const Line& l) {
  const Line tiles{row.a, row.b, row.c};
  bool bars = true;
  for (int t : tiles) bars = bars && rules::IsBar(t);
  bool mixed_bars = bars && !(row.a == row.b && row.b == row.c);
  for (int k = 0; k < 3; ++k) {
    bool same = tiles[k] == l[k] || tiles[k] == art::kAny;
    if (!same && !(mixed_bars && rules::IsBar(l[k]))) return false;
  }
  return true;
}

void ExpectChartShowsTheRule(const std::vector<art::PayLine>& chart, LineRule rule) {
  for (const art::PayLine& row : chart)
    EXPECT_GT(row.pay, 0) << "a chart row that pays nothing: " << row.note;
  for (const Line& l : EveryLine()) {
    int32_t pay = rule(l[0], l[1], l[2]);
    if (pay == 0) continue;
    bool shown = false;
    for (const art::PayLine& row : chart)
      shown = shown || (row.pay == pay && ChartRowReads(row, l));
    EXPECT_TRUE(shown) << testing::PrintToString(l) << " pays " << pay << " but no chart row says so";
  }
}

// ---- The manual as the game ships it.

using testing_support::ShippedManual;

std::string WithoutTags(const std::string& html) {
  static const std::regex tag("<[^>]*>");
  return std::regex_replace(html, tag, "");
}

// The table whose heading cell reads `heading`, up to its end.
std::string TableUnder(const std::string& html, const std::string& heading) {
  size_t start = html.find(">" + heading + "</font></th>");
  if (start == std::string::npos) return "";
  return html.substr(start, html.find("</table>", start) - start);
}

std::vector<int32_t> Numbers(const std::string& text, const std::regex& pattern) {
  std::vector<int32_t> numbers;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
    numbers.push_back(std::stoi((*it)[1]));
  return numbers;
}

const std::map<std::string, int>& SymbolNames() {
  static const std::map<std::string, int> names = [] {
    std::map<std::string, int> by_name;
    for (int code = 0; code < rules::kSymbolCount; ++code) by_name[rules::kSymbolNames[code].One] = code;
    return by_name;
  }();
  return names;
}

// Every line a row of the manual stands for: "A - B - C" with symbol names, "any other"
// (any symbol but the one before) and "anything"; or any mix of BARs. Empty when unread.
std::vector<Line> LinesMeant(const std::string& text) {
  std::vector<Line> lines;
  if (text == "any three BARs, mixed") {
    for (const Line& l : EveryLine())
      if (rules::IsBar(l[0]) && rules::IsBar(l[1]) && rules::IsBar(l[2]) &&
          !(l[0] == l[1] && l[1] == l[2]))
        lines.push_back(l);
    return lines;
  }
  std::vector<std::string> cells;
  for (size_t from = 0, dash;; from = dash + 3) {
    dash = text.find(" - ", from);
    cells.push_back(text.substr(from, dash - from));
    if (dash == std::string::npos) break;
  }
  if (cells.size() != 3) return lines;
  std::array<int, 3> named{};
  for (int k = 0; k < 3; ++k) {
    auto found = SymbolNames().find(cells[k]);
    named[k] = found == SymbolNames().end() ? -1 : found->second;
    bool known = named[k] >= 0 || cells[k] == "anything" || (cells[k] == "any other" && k > 0);
    if (!known) return lines;
  }
  for (const Line& l : EveryLine()) {
    bool meant = true;
    for (int k = 0; k < 3; ++k) {
      if (named[k] >= 0) meant = meant && l[k] == named[k];
      else if (k > 0 && cells[k] == "any other") meant = meant && l[k] != l[k - 1];
    }
    if (meant) lines.push_back(l);
  }
  return lines;
}

// Each row holds for every line it stands for, and every line the rule pays has a row.
void ExpectManualTable(const std::string& heading, LineRule rule) {
  const std::string table = TableUnder(ShippedManual(), heading);
  ASSERT_FALSE(table.empty()) << "no pay table headed \"" << heading << "\"";
  static const std::regex row(R"(<tr><td>(.*?)</td><td align="right"><b>(\d+)</b></td>)");
  std::map<Line, int> listed;
  for (std::sregex_iterator it(table.begin(), table.end(), row), end; it != end; ++it) {
    const std::string text = WithoutTags((*it)[1]);
    const int32_t pay = std::stoi((*it)[2]);
    std::vector<Line> lines = LinesMeant(text);
    EXPECT_FALSE(lines.empty()) << "cannot read the row \"" << text << "\"";
    for (const Line& l : lines) {
      EXPECT_EQ(rule(l[0], l[1], l[2]), pay) << "\"" << text << "\" as " << testing::PrintToString(l);
      ++listed[l];
    }
  }
  for (const Line& l : EveryLine())
    EXPECT_EQ(listed[l], rule(l[0], l[1], l[2]) > 0 ? 1 : 0) << testing::PrintToString(l) << " under " << heading;
}

TEST(LinePays, ChartAndManualShowTheRulesOfEachKindOfSpin) {
  const std::tuple<const char*, std::vector<art::PayLine>, LineRule> kinds[] = {
      {"Line shows", art::RegularPayLines(), rules::RegularLineMultiplier},
      {"Cherry Roll line shows", art::CherryRollPayLines(), rules::CherryRollLineMultiplier},
      {"FREE Spin line shows", art::BarRollPayLines(), rules::BarRollLineMultiplier}};
  for (const auto& [heading, chart, rule] : kinds) {
    SCOPED_TRACE(heading);
    ExpectChartShowsTheRule(chart, rule);
    ExpectManualTable(heading, rule);
  }
}

// The manual's bonuses are what all eight lines at one coin win; the chart has a row for each.
TEST(ScreenBonuses, ManualAndChartShowEverySevensBonusAndAllFruit) {
  std::map<int, int> chart_rows;
  for (const art::BonusLine& row : art::ScreenBonusLines()) {
    EXPECT_GT(row.pay, 0) << row.label;
    ++chart_rows[row.sevens];  // 0 for All Fruit
  }
  const std::string html = ShippedManual();
  const std::string table = TableUnder(html, "Sevens in the window");
  std::vector<int32_t> counts = Numbers(table, std::regex(R"(<b>(\d+)</b>)"));
  std::vector<int32_t> pays = Numbers(table, std::regex(R"(<td align="right">(\d+)</td>)"));
  ASSERT_FALSE(counts.empty()) << "no Sevens bonus table";
  ASSERT_EQ(counts.size(), pays.size());
  for (size_t i = 0; i < counts.size(); ++i)
    EXPECT_EQ(Evaluate(rules::SpinKind::Regular, rules::Seven, counts[i], 8, 1).SevensWon, pays[i])
        << counts[i] << " Sevens";
  for (int sevens = 0; sevens <= 9; ++sevens) {
    const bool pays_bonus = rules::SevensMultiplier(sevens) > 0;
    EXPECT_EQ(std::count(counts.begin(), counts.end(), sevens), pays_bonus ? 1 : 0) << sevens << " Sevens";
    EXPECT_EQ(chart_rows[sevens], sevens == 0 || pays_bonus ? 1 : 0) << sevens << " Sevens";
  }

  std::vector<int32_t> fruit =
      Numbers(html, std::regex(R"(All Fruit bonus:</b>[^<]*Pays <b>(\d+) per coin)"));
  ASSERT_EQ(fruit.size(), 1u) << "no All Fruit pay";
  EXPECT_EQ(Evaluate(rules::SpinKind::Regular, rules::Melon, 9, 8, 1).FruitWon, fruit[0]);
}

TEST(ManualPays, RollSevensAndFreeSpinsAreTheRules) {
  const std::string html = ShippedManual();
  std::vector<int32_t> per_line =
      Numbers(html, std::regex(R"(<b>(\d+) per coin for each line played</b>)"));
  ASSERT_FALSE(per_line.empty()) << "no roll Seven pay";
  for (int32_t pay : per_line)
    for (rules::SpinKind kind : {rules::SpinKind::CherryRoll, rules::SpinKind::BarRoll})
      EXPECT_EQ(Evaluate(kind, rules::RollSeven, 1, 3, 2).SpinWin, pay * 3 * 2);

  std::vector<int32_t> free_spins =
      Numbers(html, std::regex(R"(wins\s+(?:<b>)?(\d+)\s+(?:<a [^>]*>)?FREE Spins)"));
  ASSERT_FALSE(free_spins.empty()) << "no FREE Spins count";
  for (int32_t spins : free_spins) EXPECT_EQ(spins, rules::kBarRollsPerLine);
}

}  // namespace
