// The spin and the pauses sleep in the message loop until their next moment is due,
// instead of polling it; the test face shows the deadlines they ask for.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "machine/spin_cycle.h"
#include "platform/services.h"
#include "tests/test_machine.h"

namespace {

using testing_support::TestMachine;
using Wait = std::pair<uint64_t, uint64_t>;  // the clock when asked, the deadline

TEST(Pacing, EveryPassBetweenStepsWaitsForTheNextStep) {
  TestMachine t;
  std::vector<uint64_t> steps;
  t.canvas.OnDamage([&](int, int, int, int) {
    if (steps.empty() || steps.back() != t.fake.TickMs()) steps.push_back(t.fake.TickMs());
  });
  std::vector<Wait> waits;
  t.fake.on_wait = [&](uint64_t now, uint64_t until) { waits.emplace_back(now, until); };
  t.fake.pump_step_ms = 7;
  machine::SpinCycle(t.m);

  // The set-up draws first, then one drawing moment per step.
  ASSERT_EQ(steps.size(), 1u + 101u);
  size_t w = 0;
  for (size_t i = 1; i + 1 < steps.size(); ++i) {
    int between = 0;
    for (; w < waits.size() && waits[w].first < steps[i + 1]; ++w) {
      if (waits[w].first < steps[i]) continue;
      EXPECT_EQ(waits[w].second, steps[i] + 25) << "after step " << i;
      ++between;
    }
    EXPECT_GT(between, 0) << "no wait after step " << i;
  }
  // After the last step nothing is due: the loop only pumps, so no time is lost.
  while (w < waits.size() && waits[w].first < steps.back()) ++w;
  ASSERT_LT(w, waits.size());
  EXPECT_LE(waits[w].second, waits[w].first);
}

TEST(Pacing, PauseWaitsForItsEndAsOftenAsItUsedToPump) {
  platform::testing::FakePlatform fake;
  fake.pump_step_ms = 30;
  std::vector<Wait> waits;
  fake.on_wait = [&](uint64_t now, uint64_t until) { waits.emplace_back(now, until); };
  uint64_t start = fake.TickMs();
  platform::Pause(fake, 0.1);
  EXPECT_EQ(waits, (std::vector<Wait>{{start, start + 100}, {start + 30, start + 100},
                                      {start + 60, start + 100}, {start + 90, start + 100}}));
  EXPECT_EQ(fake.pumps, 4);
}

}  // namespace
