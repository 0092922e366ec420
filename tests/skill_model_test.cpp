// A person at the skill stop: the model's limits and its edges, the return's straight line
// in the lamp's chance, and presses drawn from the model played through the game's own
// spin loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "analysis/par_sheet.h"
#include "analysis/skill_model.h"
#include "machine/spin_cycle.h"
#include "rules/rolls.h"
#include "rules/strips.h"
#include "rules/spin_rules.h"
#include "tests/test_machine.h"

namespace {

using analysis::FigureId;
using analysis::HumanLampChance;
using analysis::PressTiming;

// The share of the chaser's cycle with all six lamps lit, counted from the game's moves.
double AllLitShare() {
  int pos = 0, dir = 1, lit = 0;
  std::array<bool, 6> lamps = rules::StartingLamps(pos, dir);
  for (int i = 0; i < 12 * 10; ++i) {
    rules::MoveChaser(pos, dir, lamps);
    lit += std::all_of(lamps.begin(), lamps.end(), [](bool on) { return on; });
  }
  return lit / 120.0;
}

// Far from the ends of the spin, the chaser is all-lit for 25 ms in every 300 around the
// aimed middle: the normal distribution summed over those windows.
double PeriodicChance(double sd, double bias) {
  double p = 0;
  for (int n = -5; n <= 5; ++n) {
    auto below = [&](double x) { return 0.5 * std::erfc(-(x - bias) / (sd * std::sqrt(2.0))); };
    p += below(300.0 * n + 12.5) - below(300.0 * n - 12.5);
  }
  return p;
}

TEST(SkillModel, LimitsEdgesAndTheChasersRhythm) {
  // No timing error is the perfect stop; an error of seconds is a press anywhere at all.
  EXPECT_DOUBLE_EQ(HumanLampChance({0, 0}), 1.0);
  EXPECT_NEAR(HumanLampChance({0.01, 0}), 1.0, 1e-12);
  EXPECT_NEAR(AllLitShare(), 1.0 / 12, 1e-12);
  EXPECT_NEAR(HumanLampChance({20000, 0}), AllLitShare(), 1e-3);
  // A press half a step off still falls in the all-lit step on its early side, and in
  // the next one (five lamps, the level falling) on its late side.
  EXPECT_DOUBLE_EQ(HumanLampChance({0, -12.5}), 1.0);
  EXPECT_DOUBLE_EQ(HumanLampChance({0, 12.5}), 0.0);
  // Far from the ends, only the chaser's rhythm counts.
  for (PressTiming p : {PressTiming{30, 0}, PressTiming{80, -40}, PressTiming{150, 0}})
    EXPECT_NEAR(HumanLampChance(p), PeriodicChance(p.JitterMs, p.BiasMs), 1e-9) << p.JitterMs;
  // The aimed step is all-lit, near the middle of the 97 moves, for every start.
  for (int dir : {-1, 1})
    for (int pos = 0; pos < 6; ++pos) {
      const int k = analysis::AimedStep(pos, dir);
      EXPECT_GE(k, 48 - 6);
      EXPECT_LE(k, 48 + 6);
      EXPECT_DOUBLE_EQ(HumanLampChance({0, 0}, pos, dir), 1.0);
    }
}

// The sheet of a person with almost no timing error is the perfect stop's; the return is
// the straight line in between, through the no-stop and perfect sheets; the lines built
// into the game are the analysis' own.
TEST(SkillModel, ReturnIsAStraightLineInTheLampsChance) {
  const analysis::MachineTables t = analysis::DeriveMachineTables(8, 1);
  const analysis::Report perfect = analysis::ComputeParSheet(t, analysis::SkillStop::Perfect).Figures;
  const analysis::Report sharp = analysis::ComputeParSheet(t, HumanLampChance({0.5, 0})).Figures;
  ASSERT_EQ(sharp.Figures.size(), perfect.Figures.size());
  for (size_t i = 0; i < sharp.Figures.size(); ++i)
    EXPECT_NEAR(sharp.Figures[i].Value, perfect.Figures[i].Value, 1e-9 * (1 + std::abs(perfect.Figures[i].Value)))
        << perfect.Figures[i].Key;

  const analysis::LampReturnLine line = analysis::ReturnAgainstLampChance(t);
  const double none = analysis::ComputeParSheet(t, analysis::SkillStop::None).Figures.Value(FigureId::Rtp);
  const double some = analysis::ComputeParSheet(t, 0.37).Figures.Value(FigureId::Rtp);
  EXPECT_NEAR(line.At(1.0 / 12), none, 1e-9);
  EXPECT_NEAR(line.At(1), perfect.Value(FigureId::Rtp), 1e-9);
  EXPECT_NEAR(line.At(0.37), some, 1e-9);
  EXPECT_NEAR(line.PerRegularLamp + line.PerRollLamp, line.PerLamp, 1e-12);
  EXPECT_GT(line.PerRollLamp, 0);
  // The lamp doubles every win and gives back the bet: twice the return, plus the bet.
  EXPECT_NEAR(line.PerLamp, line.Base + 100, 1e-9);

  const analysis::LampReturnLine* built = analysis::BuiltReturnLine(8, 1);
  ASSERT_NE(built, nullptr);
  EXPECT_DOUBLE_EQ(built->Base, line.Base);
  EXPECT_DOUBLE_EQ(built->PerLamp, line.PerLamp);
  const std::vector<analysis::LampReturnLine> coins =
      analysis::ReturnAgainstLampChance({analysis::DeriveMachineTables(3, 1), analysis::DeriveMachineTables(3, 2)});
  EXPECT_DOUBLE_EQ(analysis::BuiltReturnLine(3, 2)->Base, coins[1].Base);
  EXPECT_DOUBLE_EQ(analysis::BuiltReturnLine(3, 1)->PerLamp, coins[0].PerLamp);
  EXPECT_EQ(analysis::BuiltReturnLine(0, 1), nullptr);
  EXPECT_EQ(analysis::BuiltReturnLine(8, 9), nullptr);
}

// Presses drawn from the model, early on average, reach the game as a key does: on the
// scripted clock, seen when the spin loop next pumps messages. The lamps the loop leaves
// lit must agree with the exact chance within four standard errors, for regular spins
// and for rolls.
TEST(SkillModel, TheGamesOwnSpinLoopLightsTheLampAsOftenAsTheModelSays) {
  constexpr int kSpins = 1500;
  const PressTiming player{20, -15};
  const double p = HumanLampChance(player);
  std::mt19937_64 gen(20261208);
  std::normal_distribution<double> error(player.BiasMs, player.JitterMs);
  for (bool roll : {false, true}) {
    SCOPED_TRACE(roll ? "Cherry Rolls" : "regular spins");
    testing_support::TestMachine t;
    rules::GameState& g = t.m.g;
    // Nothing pays on these strips, so no spin earns a roll that would end with a lamp of its own.
    for (auto& strip : g.Strips) strip.fill(rules::Clover);
    if (roll) {
      rules::LoadCherryRollStrips(g);
      g.CherryRollMode = true;
    }
    int lit = 0;
    for (int i = 0; i < kSpins; ++i) {
      t.fake.time_of_day_ = static_cast<uint32_t>(gen() % 86'400'000);
      platform::Rng rng(t.fake.time_of_day_);
      const rules::SpinSetup setup = rules::DrawSpinSetup(rng);
      // From the end of the set-up, which pumps nothing; a press before it is forgotten.
      const double press = analysis::AimedStep(setup.ChaserPos, setup.ChaserDir) * 25 + 12.5 + error(gen);
      const uint64_t start = t.fake.TickMs();
      // The clock moves a millisecond a pump: a press within the millisecond before a
      // step is seen before it.
      if (press >= 0) t.fake.At(start + static_cast<uint64_t>(std::floor(press)) + 1, [&g] { g.StopRequested = true; });
      machine::SpinCycle(t.m);
      lit += g.BonusLamp;
      t.fake.Advance(60'000);  // a press after the spin finds it over
    }
    const double sigma = std::sqrt(p * (1 - p) / kSpins);
    EXPECT_NEAR(static_cast<double>(lit) / kSpins, p, 4 * sigma);
  }
}

}  // namespace
