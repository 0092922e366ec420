// The simulator on one core. Target: at least 10 million regular spins a second with
// the meters, the Bell Pool and every earned roll carried (items_per_second of
// BM_SimulateOneCore), and the exact pay sheet in well under a second. The return's
// straight line in the lamp's chance (BM_StatsReturnLine, 8 x 8, tables included) is
// far above the 50 ms a window may take to open, which is why the statistics window
// reads the lines worked out at build time instead.
#include <benchmark/benchmark.h>

#include <vector>

#include "rules/spin_rules.h"
#include "analysis/par_sheet.h"
#include "analysis/skill_model.h"
#include "analysis/simulator.h"
#include "platform/random.h"

namespace {

constexpr int64_t kSpinsPerRun = 1 << 21;

void Simulate(benchmark::State& state, analysis::SkillStop skill, bool full) {
  const analysis::MachineTables tables = analysis::DeriveMachineTables(8, 1);
  analysis::SimOptions o;
  o.Spins = kSpinsPerRun;
  o.Threads = 1;
  o.Skill = skill;
  o.FullEvaluation = full;
  for (auto _ : state) {
    ++o.Seed;
    const analysis::SimResult r = analysis::Simulate(tables, o);
    benchmark::DoNotOptimize(r.Money.TotalPaid);
  }
  state.SetItemsProcessed(state.iterations() * kSpinsPerRun);
}

void BM_SimulateOneCore(benchmark::State& state) { Simulate(state, analysis::SkillStop::None, false); }
void BM_SimulateOneCorePerfectStop(benchmark::State& state) {
  Simulate(state, analysis::SkillStop::Perfect, false);
}
// The same play through the full evaluation, for comparison.
void BM_SimulateOneCoreFullEvaluation(benchmark::State& state) {
  Simulate(state, analysis::SkillStop::None, true);
}

// One regular spin's window through the derived tables, the draws aside.
void BM_PlayRegularWindow(benchmark::State& state) {
  const analysis::MachineTables t = analysis::DeriveMachineTables(8, 1);
  platform::Rng rng(7);
  std::vector<analysis::Window> windows(4096);
  for (auto& cells : windows)
    for (int w = 0; w < 9; ++w) cells[w] = t.RegularStrips[w][rng.Random(20)];
  analysis::Meters meters;
  size_t i = 0;
  for (auto _ : state) {
    const bool lamp = (i & 15) == 0;
    const analysis::RegularPlay r = analysis::PlayRegular(t, windows[i++ & 4095], lamp, meters);
    benchmark::DoNotOptimize(r.Win);
  }
  state.SetItemsProcessed(state.iterations());
}

// The spin's set-up draws alone.
void BM_DrawSpinSetup(benchmark::State& state) {
  platform::Rng rng(7);
  for (auto _ : state) benchmark::DoNotOptimize(rules::DrawSpinSetup(rng));
  state.SetItemsProcessed(state.iterations());
}

void BM_ParSheet(benchmark::State& state) {
  for (auto _ : state) {
    const analysis::MachineTables t = analysis::DeriveMachineTables(8, 1);
    benchmark::DoNotOptimize(analysis::ComputeParSheet(t, analysis::SkillStop::None).Workings.MeanWin);
  }
}

// What the statistics window works out when it opens, at 8 lines x 8 coins.
void BM_MachineTables(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(analysis::DeriveMachineTables(8, 8).Bet);
}
void BM_StatsReturnLine(benchmark::State& state) {
  for (auto _ : state) {
    const analysis::MachineTables t = analysis::DeriveMachineTables(8, 8);
    benchmark::DoNotOptimize(analysis::ReturnAgainstLampChance(t).PerLamp);
  }
}

// One person's chance of the bonus lamp, summed exactly over the chaser's steps.
void BM_HumanLampChance(benchmark::State& state) {
  double jitter = 30;
  for (auto _ : state) benchmark::DoNotOptimize(analysis::HumanLampChance({jitter += 1e-9, 0}));
}

}  // namespace

BENCHMARK(BM_SimulateOneCore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimulateOneCorePerfectStop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimulateOneCoreFullEvaluation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayRegularWindow);
BENCHMARK(BM_DrawSpinSetup);
BENCHMARK(BM_ParSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MachineTables)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatsReturnLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HumanLampChance)->Unit(benchmark::kMicrosecond);
