#include "analysis/par_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

#include "rules/spin_rules.h"
#include "analysis/simulator.h"

namespace {

using analysis::FigureGroup;
using analysis::MachineTables;
using analysis::ParSheet;
using analysis::SkillStop;

double Source(const ParSheet& s, const char* key) { return s.Figures.Value(FigureGroup::ReturnBySource, key); }
double Summary(const ParSheet& s, const char* key) { return s.Figures.Value(FigureGroup::Summary, key); }
double Odds(const ParSheet& s, const char* key) { return s.Figures.Value(FigureGroup::AwardOdds, key); }

TEST(BonusLamp, RunOutSpinsFollowTheChaserAndThePerfectStopAlwaysWins) {
  const analysis::LampTable none = analysis::BonusLampTable(SkillStop::None);
  const analysis::LampTable perfect = analysis::BonusLampTable(SkillStop::Perfect);
  for (int up = 0; up < 2; ++up)
    for (int pos = 0; pos < 6; ++pos) {
      EXPECT_EQ(none[up][pos], rules::BonusLampAfterFullSpin(pos, up ? 1 : -1)) << pos << " " << up;
      EXPECT_TRUE(perfect[up][pos]) << pos << " " << up;
    }
  EXPECT_DOUBLE_EQ(analysis::BonusLampProbability(none), 1.0 / 12);
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
  auto it = sheets.find({lines, coins, skill});
  if (it == sheets.end())
    it = sheets.emplace(std::tuple{lines, coins, skill},
                        analysis::ComputeParSheet(analysis::DeriveMachineTables(lines, coins), skill))
             .first;
  return it->second;
}

class ParSheetEightLines : public testing::Test {
 protected:
  const ParSheet& none_ = Sheet(8, 1, SkillStop::None);
  const ParSheet& perfect_ = Sheet(8, 1, SkillStop::Perfect);
  const MachineTables tables_ = analysis::DeriveMachineTables(8, 1);
};

TEST_F(ParSheetEightLines, FiguresWorkedByHandFromTheStrips) {
  // Every regular strip holds exactly one Seven among its 20 stops, so a line shows
  // three of them once in 8000 and the window's Sevens are binomial(9, 1/20).
  const ParSheet& s = none_;
  EXPECT_DOUBLE_EQ(Odds(s, "three_seven"), 1.0 / 8000);
  // 300 a coin on each of 8 lines, doubled on one spin in 12, over a bet of 8.
  EXPECT_NEAR(Source(s, "three_seven"), 100 * 300.0 / 8000 * 8 * (13.0 / 12) / 8, 1e-9);
  const double q = 1.0 / 20;
  EXPECT_NEAR(Odds(s, "sevens_3"), 84 * std::pow(q, 3) * std::pow(1 - q, 6), 1e-13);
  EXPECT_NEAR(Odds(s, "sevens_9"), std::pow(q, 9), 1e-24);
  EXPECT_DOUBLE_EQ(Summary(s, "bonus_lamp"), 1.0 / 12);
  EXPECT_NEAR(Source(s, "returned_bet"), 100.0 / 12, 1e-9);
  // A Cherry Roll's window has 3 roll Sevens in 20 on every wheel.
  EXPECT_NEAR(Odds(s, "cherry_roll_sevens"), 1 - std::pow(17.0 / 20, 9), 1e-12);
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
    EXPECT_NEAR(w.PoolPaid, w.PoolContribution + tables_.BellPoolStart * w.PoolAwardRate, 1e-9);
    // The sources add up to the return, worked out from the moments of the win.
    double sources = 0;
    for (const auto& f : s->Figures.Figures)
      if (f.Group == FigureGroup::ReturnBySource) sources += f.Value;
    EXPECT_NEAR(sources, Summary(*s, "rtp"), 1e-9);
    EXPECT_NEAR(Summary(*s, "rtp"), 100 * w.MeanWin / 8, 1e-9);
    // Line pays line by line over three wheels, and over the whole window at once.
    double lines_and_screen = Source(*s, "sevens_bonus") + Source(*s, "all_fruit");
    for (size_t i = 1; i < tables_.RegularLines.Combinations.size(); ++i)
      lines_and_screen += Source(*s, tables_.RegularLines.Combinations[i].Key.c_str());
    const double lamp_mean = 1 + Summary(*s, "bonus_lamp");
    EXPECT_NEAR(lines_and_screen, 100 * lamp_mean * w.MeanLineAndScreen / 8, 1e-9);
  }
}

TEST_F(ParSheetEightLines, PerfectStopperDoublesEveryWin) {
  const ParSheet& n = none_;
  const ParSheet& p = perfect_;
  EXPECT_DOUBLE_EQ(Summary(p, "bonus_lamp"), 1);
  EXPECT_DOUBLE_EQ(Summary(p, "hit_frequency"), 100);
  EXPECT_NEAR(Source(p, "returned_bet"), 100, 1e-9);
  for (const char* key : {"three_seven", "one_cherry", "sevens_bonus", "all_fruit", "bell_pool"})
    EXPECT_NEAR(Source(p, key), Source(n, key) * 2 / (13.0 / 12), 1e-9) << key;
  // Rolls come as often, and each roll is doubled too.
  EXPECT_DOUBLE_EQ(Summary(p, "cherry_rolls_per_spin"), Summary(n, "cherry_rolls_per_spin"));
  EXPECT_NEAR(Source(p, "cherry_rolls"), Source(n, "cherry_rolls") * 2 / (13.0 / 12), 1e-9);
  EXPECT_GT(Summary(p, "rtp"), 100);
  EXPECT_GT(Summary(p, "volatility"), Summary(n, "volatility"));
}

TEST(ParSheet, BellPoolDoesNotGrowWithTheCoins) {
  const ParSheet& one = Sheet(8, 1, SkillStop::None);
  const ParSheet& two = Sheet(8, 2, SkillStop::None);
  // Line pays, screen bonuses and rolls scale with the bet; the pool's credits do not.
  for (const char* key : {"three_seven", "any_bars", "sevens_bonus", "all_fruit", "cherry_rolls", "bar_rolls"})
    EXPECT_NEAR(Source(two, key), Source(one, key), 1e-9) << key;
  EXPECT_NEAR(Source(two, "bell_pool"), Source(one, "bell_pool") / 2, 1e-9);
  EXPECT_NEAR(Odds(two, "bell_pool"), Odds(one, "bell_pool"), 1e-15);
}

TEST(ParSheet, FewerLinesFeedNoScreenBonusAndNoPool) {
  const ParSheet& s = Sheet(5, 1, SkillStop::None);
  EXPECT_EQ(Source(s, "sevens_bonus"), 0);
  EXPECT_EQ(Source(s, "all_fruit"), 0);
  EXPECT_EQ(s.Figures.Find(FigureGroup::AwardOdds, "sevens_3"), nullptr);
  EXPECT_EQ(s.Workings.PoolContribution, 0);
  // Bell lines still win the pool, which then pays its fresh start only.
  EXPECT_GT(Odds(s, "bell_pool"), 0);
  EXPECT_NEAR(s.Workings.PoolPaid, 100 * s.Workings.PoolAwardRate, 1e-9);
}

// Every figure of the sheet inside the 99.9% interval of a simulation, where enough
// events stand behind the figure for its interval to mean something. With some sixty
// figures about one seed in twenty would see a miss by chance; the seeds are fixed.
void ExpectSheetInsideSimulation(int32_t lines, int32_t coins, SkillStop skill, int64_t spins, uint64_t seed,
                                 int at_least) {
  const MachineTables t = analysis::DeriveMachineTables(lines, coins);
  const ParSheet& sheet = Sheet(lines, coins, skill);
  analysis::SimOptions o;
  o.Spins = spins;
  o.Seed = seed;
  o.Threads = 2;
  o.LinesPlayed = lines;
  o.CoinsPerLine = coins;
  o.Skill = skill;
  o.Confidence = 0.999;
  const analysis::SimResult sim = analysis::Simulate(t, o);
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

TEST(ParSheetAgainstSimulation, EightLinesOneCoinWithoutSkill) {
  ExpectSheetInsideSimulation(8, 1, SkillStop::None, 3000000, 11, 45);
}

TEST(ParSheetAgainstSimulation, EightLinesOneCoinPerfectStop) {
  ExpectSheetInsideSimulation(8, 1, SkillStop::Perfect, 3000000, 12, 45);
}

TEST(ParSheetAgainstSimulation, ThreeLinesTwoCoins) {
  ExpectSheetInsideSimulation(3, 2, SkillStop::None, 1000000, 13, 25);
}

}  // namespace
