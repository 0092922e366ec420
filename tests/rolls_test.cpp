#include <gtest/gtest.h>

#include <tuple>

#include "machine/spin_cycle.h"
#include "rules/spin_rules.h"
#include "rules/strips.h"
#include "rules/pay_rules.h"
#include "rules/rolls.h"
#include "tests/test_machine.h"

namespace {

// A time of day whose regular spin, from a Cherries meter of 1, earns Bar Rolls and a
// Cherry Roll together.
uint32_t SeedEarningBothRolls() {
  const auto strips = rules::RegularStrips();
  return testing_support::FirstSeed([&](uint32_t t) {
    platform::Rng rng(t);
    rules::SpinSetup s = rules::DrawSpinSetup(rng);
    rules::SpinInput in;
    for (int w = 0; w < 9; ++w) in.Cells[w] = strips[w][s.Stops[w]];
    in.Cherries = 1;
    in.BonusLamp = rules::BonusLampAfterFullSpin(s.ChaserPos, s.ChaserDir);
    rules::SpinOutcome out = rules::EvaluateWindow(rules::SpinKind::Regular, in);
    return out.BarRollsEarned == 7 && out.CherryRollsEarned == 1;
  });
}

TEST(Rolls, BarRollsGoFirstAndAPendingCherryRollIsPlayedInsideTheLastOne) {
  testing_support::TestMachine t;
  rules::GameState& g = t.m.g;
  g.Cherries = 1;
  g.DoubleOrNothingOn = false;
  g.CountOffWins = false;
  t.fake.time_of_day_ = SeedEarningBothRolls();
  struct Spin { bool cherry, bar; rules::Strip strip; };
  std::vector<Spin> spins;
  // Each roll is a spin cycle nested in the one before it.
  int depth = 0;
  t.fake.on_pump = [&] {
    if (t.m.CycleDepth > depth) spins.push_back({g.CherryRollMode, g.BarRollMode, g.Strips[4]});
    depth = t.m.CycleDepth;
  };
  machine::SpinCycle(t.m);

  ASSERT_EQ(spins.size(), 1u + 7u + 1u);
  EXPECT_FALSE(spins[0].cherry || spins[0].bar);
  for (int i = 1; i <= 7; ++i) {
    EXPECT_TRUE(spins[i].bar && !spins[i].cherry) << i;
    EXPECT_EQ(spins[i].strip, rules::BarRollStrip());
  }
  // Still inside the last Bar Roll: both modes set, the cherry strip and its evaluation.
  EXPECT_TRUE(spins[8].cherry && spins[8].bar);
  EXPECT_EQ(spins[8].strip, rules::CherryRollStrip());
  EXPECT_EQ(std::tuple(g.NumberOfBarRolls, g.NumberOfCherryRolls, g.Spins, g.TotalBets, g.CherryRollsLeft, g.BarRollsLeft),
            std::tuple(7, 1, 1, 8, 0, 0));
  EXPECT_FALSE(g.CherryRollMode || g.BarRollMode);
}

}  // namespace
