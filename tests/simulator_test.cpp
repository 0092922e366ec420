#include "analysis/simulator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "rules/strips.h"
#include "rules/rolls.h"
#include "platform/random.h"

namespace {

using analysis::FigureGroup;
using analysis::FigureId;
using analysis::MachineTables;
using analysis::SimOptions;
using analysis::SimResult;
using analysis::SkillStop;
using rules::SpinKind;
using analysis::Window;

// Windows from the strips the wheels carry, and now and then any symbols at all, so that
// rare and impossible windows are covered too.
Window RandomWindow(platform::Rng& rng, const std::array<rules::Strip, 9>& strips) {
  Window cells;
  const bool any = rng.Random(4) == 0;
  for (int w = 0; w < 9; ++w)
    cells[w] = any ? static_cast<uint8_t>(rng.Random(rules::kSymbolCount)) : strips[w][rng.Random(20)];
  return cells;
}

// Windows that stress the meters and the screen: mostly Cherries, Bells and Sevens.
Window CrowdedWindow(platform::Rng& rng) {
  constexpr std::array<uint8_t, 5> kCodes{rules::Cherry, rules::Bell, rules::Seven, rules::TripleBar, rules::Melon};
  Window cells;
  for (auto& c : cells) c = kCodes[rng.Random(kCodes.size())];
  return cells;
}

auto Fields(const analysis::RegularPlay& p) {
  return std::tie(p.Win, p.LineWins, p.LineCombination, p.SevensBonus, p.FruitBonus, p.PoolWon, p.ReturnedBet,
                  p.CherryRolls, p.BarRolls, p.Sevens);
}

TEST(SimulatorTables, PlayMatchesTheFullEvaluationOnManyWindows) {
  platform::Rng rng(2024);
  for (auto [lines, coins] : {std::pair{8, 1}, {8, 3}, {5, 2}, {1, 8}}) {
    const MachineTables t = analysis::DeriveMachineTables(lines, coins);
    for (int i = 0; i < 20000; ++i) {
      const Window cells = i % 3 == 0 ? CrowdedWindow(rng) : RandomWindow(rng, t.RegularStrips);
      const bool lamp = rng.Random(3) == 0;
      analysis::Meters fast;
      fast.Cherries = 1 + static_cast<int32_t>(rng.Random(6));
      fast.Bells = 1 + static_cast<int32_t>(rng.Random(3));
      fast.BellPool = 100 + static_cast<int32_t>(rng.Random(500));
      analysis::Meters full = fast;
      const analysis::RegularPlay a = analysis::PlayRegular(t, cells, lamp, fast);
      const analysis::RegularPlay b = analysis::PlayRegularFull(t, cells, lamp, full);
      SCOPED_TRACE(testing::Message() << "lines " << lines << " coins " << coins << " window " << i);
      ASSERT_EQ(Fields(a), Fields(b));
      ASSERT_EQ(std::tie(fast.Cherries, fast.Bells, fast.BellPool), std::tie(full.Cherries, full.Bells, full.BellPool));

      for (SpinKind kind : {SpinKind::CherryRoll, SpinKind::BarRoll}) {
        std::array<rules::Strip, 9> roll;
        roll.fill(kind == SpinKind::CherryRoll ? rules::CherryRollStrip() : rules::BarRollStrip());
        const Window rolled = RandomWindow(rng, roll);
        const analysis::RollPlay x = analysis::PlayRoll(t, kind, rolled, lamp);
        const analysis::RollPlay y = analysis::PlayRollFull(t, kind, rolled, lamp);
        ASSERT_EQ(std::tie(x.Win, x.LineWins, x.SevensPaid, x.LineCombination),
                  std::tie(y.Win, y.LineWins, y.SevensPaid, y.LineCombination));
      }
    }
  }
}

SimOptions Options(int64_t spins, uint64_t seed, int threads, int32_t lines = 8, int32_t coins = 1) {
  SimOptions o;
  o.Spins = spins, o.Seed = seed, o.Threads = threads, o.LinesPlayed = lines, o.CoinsPerLine = coins;
  return o;
}

void ExpectSameRun(const SimResult& a, const SimResult& b) {
  EXPECT_EQ(std::tie(a.Spins, a.CherryRolls, a.BarRolls, a.LargestWin, a.Money.Credits, a.Money.Borrowed, a.Money.TotalPaid),
            std::tie(b.Spins, b.CherryRolls, b.BarRolls, b.LargestWin, b.Money.Credits, b.Money.Borrowed, b.Money.TotalPaid));
  ASSERT_EQ(a.Figures.Figures.size(), b.Figures.Figures.size());
  for (size_t i = 0; i < a.Figures.Figures.size(); ++i) {
    const auto& x = a.Figures.Figures[i];
    const auto& y = b.Figures.Figures[i];
    EXPECT_EQ(std::tie(x.Value, x.Events), std::tie(y.Value, y.Events)) << x.Key;
    if (std::isfinite(x.Low)) {
      EXPECT_EQ(x.Low, y.Low) << x.Key;
    }
  }
}

// The seed and the threads fix the run, played through the tables or through the
// game's full evaluation alike.
TEST(Simulator, FixedSeedReproducesTheRunThroughTablesOrFullEvaluation) {
  const MachineTables t = analysis::DeriveMachineTables(6, 2);
  SimOptions o = Options(200000, 5, 2, 6, 2);
  o.Skill = SkillStop::Perfect;
  const SimResult fast = analysis::Simulate(t, o);
  o.FullEvaluation = true;
  const SimResult full = analysis::Simulate(t, o);
  ExpectSameRun(fast, full);
  // Another seed is another run.
  o.FullEvaluation = false;
  o.Seed = 6;
  EXPECT_NE(analysis::Simulate(t, o).Money.TotalPaid, fast.Money.TotalPaid);
}

TEST(Simulator, AccountsHoldTheGamesIdentity) {
  // Three lines at two coins pay back less than the bet, so the game runs dry and
  // borrows along the way.
  const MachineTables t = analysis::DeriveMachineTables(3, 2);
  const SimResult r = analysis::Simulate(t, Options(200001, 9, 3, 3, 2));
  const analysis::Accounts& m = r.Money;
  EXPECT_TRUE(r.Balanced);
  EXPECT_EQ(m.TotalPaid, m.Credits - m.Borrowed + m.TotalBets);
  EXPECT_EQ(m.TotalBets, 200001 * 6);
  EXPECT_GT(m.Borrowed, 3 * 1000) << "the run should have needed to borrow";
  EXPECT_EQ(m.Borrowed % 1000, 0);
  EXPECT_GE(m.Credits, 0);
  // What was paid is what the return to player says.
  EXPECT_NEAR(r.Figures.Value(FigureId::Rtp) * static_cast<double>(m.TotalBets) / 100,
              static_cast<double>(m.TotalPaid), 1e-6 * static_cast<double>(m.TotalPaid));
  // The sources add up to the whole.
  double sources = 0;
  for (const auto& f : r.Figures.Figures)
    if (f.Group() == FigureGroup::ReturnBySource) sources += f.Value;
  EXPECT_NEAR(sources, r.Figures.Value(FigureId::Rtp), 1e-9);
}

TEST(Simulator, IntervalsUseStudentsT) {
  EXPECT_NEAR(analysis::NormalQuantile(0.99), 2.5758293, 1e-6);
  EXPECT_NEAR(analysis::NormalQuantile(0.95), 1.9599640, 1e-6);
  EXPECT_NEAR(analysis::StudentQuantile(0.99, 1), 63.656741, 1e-4);
  EXPECT_NEAR(analysis::StudentQuantile(0.99, 2), 9.9248432, 1e-5);
  EXPECT_NEAR(analysis::StudentQuantile(0.99, 10), 3.1692727, 2e-3);
  EXPECT_NEAR(analysis::StudentQuantile(0.95, 5), 2.5705818, 5e-3);
  EXPECT_NEAR(analysis::StudentQuantile(0.99, 399), 2.5882, 1e-3);
}

TEST(Simulator, SmallRunsSplitOverThreadsPlayEverySpin) {
  const MachineTables t = analysis::DeriveMachineTables(8, 1);
  const SimResult r = analysis::Simulate(t, Options(7, 1, 3));
  EXPECT_EQ(r.Spins, 7);
  EXPECT_EQ(r.Money.TotalBets, 7 * 8);
  EXPECT_TRUE(r.Balanced);
  // Three batches of a few spins: an interval, however wide.
  EXPECT_TRUE(std::isfinite(r.Figures.Find(FigureId::Rtp)->High));
  const SimResult one = analysis::Simulate(t, Options(1, 1, 1));
  EXPECT_EQ(one.Spins, 1);
  EXPECT_FALSE(std::isfinite(one.Figures.Find(FigureId::Rtp)->High));
}

}  // namespace
