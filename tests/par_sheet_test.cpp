#include "analysis/luck.h"
#include "analysis/par_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "analysis/simulator.h"

namespace {

using analysis::Figure;
using analysis::FigureGroup;
using analysis::ParSheet;
using analysis::SkillStop;

using analysis::FigureId;

double Value(const ParSheet& s, FigureId id, int item = 0) { return s.Figures.Value(id, item); }

// A regular line's paying combination, by its name.
int Combo(const std::string& key) {
  static const analysis::LineTable lines = analysis::DeriveLineTable(rules::SpinKind::Regular);
  for (size_t i = 1; i < lines.Combinations.size(); ++i)
    if (lines.Combinations[i].Key == key) return static_cast<int>(i);
  ADD_FAILURE() << "no combination " << key;
  return -1;
}

TEST(BonusLamp, APerfectStopAlwaysWinsItARunOutSpinOneTimeInTwelve) {
  const analysis::LampTable perfect = analysis::BonusLampTable(SkillStop::Perfect);
  for (int up = 0; up < 2; ++up)
    for (int pos = 0; pos < 6; ++pos) EXPECT_TRUE(perfect[up][pos]) << pos << " " << up;
  EXPECT_DOUBLE_EQ(analysis::BonusLampProbability(analysis::BonusLampTable(SkillStop::None)), 1.0 / 12);
  EXPECT_DOUBLE_EQ(analysis::BonusLampProbability(perfect), 1.0);
}

TEST(LineTables, EveryPayingLineBelongsToOneNamedCombinationWithOnePay) {
  for (auto kind : {rules::SpinKind::Regular, rules::SpinKind::CherryRoll, rules::SpinKind::BarRoll}) {
    const analysis::LineTable t = analysis::DeriveLineTable(kind);
    for (int a = 0; a < 12; ++a)
      for (int b = 0; b < 12; ++b)
        for (int c = 0; c < 12; ++c) {
          const analysis::LineEffect& e = t.At(a, b, c);
          ASSERT_LT(e.Combination, t.Combinations.size());
          EXPECT_EQ(e.Multiplier > 0, e.Combination != 0) << a << " " << b << " " << c;
          EXPECT_EQ(e.Multiplier, t.Combinations[e.Combination].Multiplier) << a << " " << b << " " << c;
        }
    // Named richest first, and no paying line left unnamed.
    for (size_t i = 2; i < t.Combinations.size(); ++i)
      EXPECT_GE(t.Combinations[i - 1].Multiplier, t.Combinations[i].Multiplier);
    for (const auto& c : t.Combinations) EXPECT_NE(c.Key, "other");
  }
}

// Working a sheet out enumerates the whole window; each one the tests need is worked
// out once.
const ParSheet& Sheet(int32_t lines, int32_t coins, SkillStop skill) {
  static std::map<std::tuple<int32_t, int32_t, SkillStop>, ParSheet> sheets;
  auto [it, fresh] = sheets.try_emplace({lines, coins, skill});
  if (fresh) it->second = analysis::ComputeParSheet(analysis::DeriveMachineTables(lines, coins), skill);
  return it->second;
}

class ParSheetEightLines : public testing::Test {
 protected:
  const ParSheet &none_ = Sheet(8, 1, SkillStop::None), &perfect_ = Sheet(8, 1, SkillStop::Perfect);
};

TEST_F(ParSheetEightLines, FiguresWorkedByHandFromTheStrips) {
  // Every regular strip holds exactly one Seven among its 20 stops, so a line shows
  // three of them once in 8000 and the window's Sevens are binomial(9, 1/20).
  const ParSheet& s = none_;
  EXPECT_DOUBLE_EQ(Value(s, FigureId::LineOdds, Combo("three_seven")), 1.0 / 8000);
  // 300 a coin on each of 8 lines, doubled on one spin in 12, over a bet of 8.
  EXPECT_NEAR(Value(s, FigureId::LineReturn, Combo("three_seven")), 100 * 300.0 / 8000 * 8 * (13.0 / 12) / 8, 1e-9);
  const double q = 1.0 / 20;
  EXPECT_NEAR(Value(s, FigureId::SevensOdds, 3), 84 * std::pow(q, 3) * std::pow(1 - q, 6), 1e-13);
  EXPECT_NEAR(Value(s, FigureId::SevensOdds, 9), std::pow(q, 9), 1e-24);
  EXPECT_NEAR(Value(s, FigureId::ReturnedBet), 100.0 / 12, 1e-9);
  // A Cherry Roll's window has 3 roll Sevens in 20 on every wheel.
  EXPECT_NEAR(Value(s, FigureId::CherryRollSevensOdds), 1 - std::pow(17.0 / 20, 9), 1e-12);
}

TEST_F(ParSheetEightLines, WorkingsAgreeWithEachOther) {
  for (const ParSheet* s : {&none_, &perfect_}) {
    const analysis::ParWorkings& w = s->Workings;
    // The meters' joint steps, from the 3^9 cherry/bell/other patterns and from the
    // full enumeration of the window.
    ASSERT_EQ(w.StepsFromPatterns.size(), w.StepsFromWindows.size());
    for (const auto& [key, p] : w.StepsFromPatterns) {
      auto it = w.StepsFromWindows.find(key);
      ASSERT_NE(it, w.StepsFromWindows.end()) << key.first << " " << key.second;
      EXPECT_NEAR(it->second, p, 1e-12) << key.first << " " << key.second;
    }
    double total = 0;
    for (const auto& row : w.Stationary)
      for (double p : row) total += p;
    EXPECT_NEAR(total, 1, 1e-12);
    // In the long run the pool pays out what goes in: the contributions and the fresh
    // start after every award.
    EXPECT_NEAR(w.PoolPaid, w.PoolContribution + 100 * w.PoolAwardRate, 1e-9);
    // The sources add up to the return, worked out from the moments of the win; the
    // line pays, line by line over three wheels, add up with the screen bonuses to the
    // same over the whole window at once.
    double sources = 0, lines_and_screen = 0;
    for (const Figure& f : s->Figures.Figures) {
      if (f.Group() == FigureGroup::ReturnBySource) sources += f.Value;
      if (f.Id == FigureId::LineReturn || f.Id == FigureId::SevensBonusReturn || f.Id == FigureId::AllFruitReturn)
        lines_and_screen += f.Value;
    }
    EXPECT_NEAR(sources, Value(*s, FigureId::Rtp), 1e-9);
    EXPECT_NEAR(Value(*s, FigureId::Rtp), 100 * w.MeanWin / 8, 1e-9);
    const double lamp_mean = 1 + Value(*s, FigureId::BonusLamp);
    EXPECT_NEAR(lines_and_screen, 100 * lamp_mean * w.MeanLineAndScreen / 8, 1e-9);
  }
}

// What a source returns in two sheets whose figures line up, figure by figure.
template <typename Expect>
void ForEachSource(const ParSheet& a, const ParSheet& b, Expect expect) {
  ASSERT_EQ(a.Figures.Figures.size(), b.Figures.Figures.size());
  for (size_t i = 0; i < a.Figures.Figures.size(); ++i) {
    const Figure& x = a.Figures.Figures[i];
    const Figure& y = b.Figures.Figures[i];
    ASSERT_EQ(x.Key, y.Key);
    if (x.Group() == FigureGroup::ReturnBySource) expect(x, y.Value);
  }
}

TEST_F(ParSheetEightLines, PerfectStopperDoublesEveryWin) {
  const ParSheet &n = none_, &p = perfect_;  // its lamp and returned bet are pinned in sim_test.sh
  EXPECT_DOUBLE_EQ(Value(p, FigureId::HitFrequency), 100);
  // Every win, each roll's too, is doubled on every spin instead of one in twelve.
  ForEachSource(n, p, [](const Figure& none, double perfect) {
    const double expected = none.Id == FigureId::ReturnedBet ? perfect : none.Value * 2 / (13.0 / 12);
    EXPECT_NEAR(perfect, expected, 1e-9) << none.Key;
  });
  // Rolls come as often.
  for (FigureId id : {FigureId::CherryRollsPerSpin, FigureId::BarRollsPerSpin})
    EXPECT_DOUBLE_EQ(Value(p, id), Value(n, id));
  EXPECT_GT(Value(p, FigureId::Rtp), 100);
  EXPECT_GT(Value(p, FigureId::Volatility), Value(n, FigureId::Volatility));
}

TEST(ParSheet, BellPoolDoesNotGrowWithTheCoins) {
  const ParSheet& one = Sheet(8, 1, SkillStop::None);
  const ParSheet& two = Sheet(8, 2, SkillStop::None);
  // Line pays, screen bonuses, rolls and returned bets grow with the bet; the pool's
  // credits do not.
  ForEachSource(one, two, [](const Figure& f, double doubled) {
    EXPECT_NEAR(doubled, f.Id == FigureId::BellPoolReturn ? f.Value / 2 : f.Value, 1e-9) << f.Key;
  });
  EXPECT_NEAR(Value(two, FigureId::BellPoolOdds), Value(one, FigureId::BellPoolOdds), 1e-15);
}

TEST(ParSheet, FewerLinesFeedNoScreenBonusAndNoPool) {
  const ParSheet& s = Sheet(5, 1, SkillStop::None);
  EXPECT_EQ(Value(s, FigureId::SevensBonusReturn), 0);
  EXPECT_EQ(Value(s, FigureId::AllFruitReturn), 0);
  // Awards the bet cannot win are left off the sheet.
  EXPECT_EQ(s.Figures.Find(FigureId::SevensOdds, 3), nullptr);
  EXPECT_EQ(s.Figures.Find(FigureId::AllFruitOdds), nullptr);
  EXPECT_EQ(s.Workings.PoolContribution, 0);
  // Bell lines still win the pool, which then pays its fresh start only.
  EXPECT_GT(Value(s, FigureId::BellPoolOdds), 0);
  EXPECT_NEAR(s.Workings.PoolPaid, 100 * s.Workings.PoolAwardRate, 1e-9);
}

// Every figure of the sheet inside the 99.9% interval of a simulation, where enough
// events stand behind the figure for its interval to mean something. With some sixty
// figures about one seed in twenty would see a miss by chance; the seeds are fixed.
void ExpectSheetInsideSimulation(int32_t lines, int32_t coins, SkillStop skill, int64_t spins, uint64_t seed,
                                 int at_least) {
  const ParSheet& sheet = Sheet(lines, coins, skill);
  analysis::SimOptions o;
  o.Spins = spins, o.Seed = seed, o.Threads = 2, o.Confidence = 0.999;
  o.LinesPlayed = lines, o.CoinsPerLine = coins, o.Skill = skill;
  const analysis::SimResult sim = analysis::Simulate(analysis::DeriveMachineTables(lines, coins), o);
  ASSERT_EQ(sheet.Figures.Figures.size(), sim.Figures.Figures.size());
  int checked = 0;
  for (size_t i = 0; i < sim.Figures.Figures.size(); ++i) {
    const analysis::Figure& exact = sheet.Figures.Figures[i];
    const analysis::Figure& seen = sim.Figures.Figures[i];
    ASSERT_EQ(exact.Key, seen.Key);
    if (seen.Events < 200) continue;
    const double slack = 1e-9 * std::max(1.0, std::fabs(exact.Value));
    EXPECT_GE(exact.Value, seen.Low - slack) << exact.Key << " simulated " << seen.Value;
    EXPECT_LE(exact.Value, seen.High + slack) << exact.Key << " simulated " << seen.Value;
    ++checked;
  }
  EXPECT_GE(checked, at_least);
}

TEST(ParSheetAgainstSimulation, EightLinesWithAndWithoutSkillAndThreeLinesTwoCoins) {
  ExpectSheetInsideSimulation(8, 1, SkillStop::None, 3000000, 11, 45);
  ExpectSheetInsideSimulation(8, 1, SkillStop::Perfect, 3000000, 12, 45);
  ExpectSheetInsideSimulation(3, 2, SkillStop::None, 1000000, 13, 25);
}

// The range chance explains around the return: the pay sheet's return at the player's
// skill in the middle, narrowing as the square root of the games played.
TEST(LuckRange, CentresOnTheReturnAtTheSkillAndNarrowsWithTheGames) {
  for (double lamp : {0.0, 0.25}) {
    const analysis::ReturnRange few = analysis::LuckRange(8, 1, lamp, 100);
    const analysis::ReturnRange many = analysis::LuckRange(8, 1, lamp, 1000000);
    EXPECT_NEAR(few.expected, analysis::BuiltReturnLine(8, 1)->At(lamp), 1e-6);
    EXPECT_DOUBLE_EQ(few.expected, many.expected);
    EXPECT_LT(few.low, few.expected);
    EXPECT_NEAR((few.high - few.expected) / (many.high - many.expected), 100.0, 1e-9);
    EXPECT_GE(analysis::LuckRange(8, 1, lamp, 1).low, 0.0);
  }
}

}  // namespace
