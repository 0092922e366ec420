// The pay rules on windows drawn from the regular strips. Target: several million
// evaluations a second on one core, with no heap allocation per evaluation: the
// allocs_per_eval counter stays far below 1 (what it counts is the harness's own).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "rules/strips.h"
#include "rules/pay_rules.h"
#include "rules/rolls.h"
#include "platform/random.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

// Counts every allocation. Kept out of line, like the deletes below, so that the
// compiler never pairs an inlined malloc() with a delete.
[[gnu::noinline]] void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

std::vector<rules::SpinInput> Windows(rules::SpinKind kind, int n) {
  auto strips = rules::RegularStrips();
  if (kind == rules::SpinKind::CherryRoll) strips.fill(rules::CherryRollStrip());
  platform::Rng rng(7);
  std::vector<rules::SpinInput> windows(n);
  for (auto& in : windows) {
    for (int w = 0; w < 9; ++w) in.Cells[w] = strips[w][rng.Random(20)];
    in.BonusLamp = rng.Random(12) == 0;
    in.Cherries = 1 + static_cast<int32_t>(rng.Random(6));
    in.Bells = 1 + static_cast<int32_t>(rng.Random(3));
  }
  return windows;
}

void Evaluate(benchmark::State& state, rules::SpinKind kind) {
  const auto windows = Windows(kind, 4096);
  size_t i = 0;
  long allocations = g_allocations.load();
  for (auto _ : state) {
    rules::SpinOutcome out = rules::EvaluateWindow(kind, windows[i++ & 4095]);
    benchmark::DoNotOptimize(out.SpinWin);
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["allocs_per_eval"] =
      static_cast<double>(g_allocations.load() - allocations) / static_cast<double>(state.iterations());
}

void BM_RegularWindow(benchmark::State& state) { Evaluate(state, rules::SpinKind::Regular); }
void BM_CherryRollWindow(benchmark::State& state) { Evaluate(state, rules::SpinKind::CherryRoll); }

}  // namespace

BENCHMARK(BM_RegularWindow);
BENCHMARK(BM_CherryRollWindow);
