// One whole regular spin pinned as the game plays it today, from the bet to the last
// counted credit: any change to the set-up draws, the chaser, the wheels' animation,
// the evaluation, the sounds or the count-off shows here.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "machine/bets.h"
#include "tests/test_machine.h"

namespace {

// FNV-1a over every field of every drawing call, in order.
template <class Call>
uint64_t Digest(const std::vector<Call>& calls) {
  uint64_t h = 14695981039346656037ull;
  auto mix = [&](int64_t v) { h = (h ^ static_cast<uint64_t>(v)) * 1099511628211ull; };
  for (const Call& c : calls) {
    for (int64_t v : {int64_t{c.kind}, int64_t{c.x}, int64_t{c.y}, int64_t{c.w}, int64_t{c.h}, int64_t{c.color}}) mix(v);
    for (char ch : c.text) mix(ch);
  }
  return h;
}

TEST(SpinGolden, WinWithCherryStepsAndAPoolShareCountedOff) {
  testing_support::TestMachine t;
  testing_support::RecordingView view(t);
  t.fake.time_of_day_ = 207;  // lines 3 and 8 win; three cherry steps; a Seven feeds the pool
  t.m.g.DoubleOrNothingOn = false;
  t.m.g.CountOffWins = true;  // counted off
  t.canvas.Record(true);
  uint64_t start = t.fake.TickMs();
  machine::RequestSpin(t.m);

  const rules::GameState& g = t.m.g;
  EXPECT_EQ(g.Stops, (std::array<int32_t, 9>{6, 8, 9, 4, 10, 8, 3, 16, 3}));
  EXPECT_EQ(view.Log(), (std::vector<std::string>{
      "Credits=992", "HideWinnings", "click", "click", "click", "click", "click", "click", "click", "click", "click",
      "Cherries=5", "Cherry5.wav", "Cherries=4", "Cherry5.wav", "Cherries=3", "Cherry5.wav", "BellPool=107",
      "ShowWinnings", "Cherry9.wav", "ShowWinnings",
      "Cherry8.wav", "Credits=993", "Cherry8.wav", "Credits=994", "Cherry8.wav", "Credits=995",
      "Cherry8.wav", "Credits=996", "Cherry8.wav", "Credits=997", "Cherry8.wav", "Credits=998",
      "Cherry8.wav", "Credits=999", "Cherry8.wav", "Credits=1000", "Cherry8.wav", "Credits=1001",
      "Cherry8.wav", "Credits=1002", "Cherry8.wav", "Credits=1003", "Cherry8.wav", "Credits=1004"}));

  const auto& calls = t.canvas.Recorded();
  std::array<int, 5> per_kind{};
  for (const auto& c : calls) per_kind[c.kind]++;
  EXPECT_EQ(per_kind, (std::array<int, 5>{764, 9, 0, 0, 9}));  // blits, fills, hatches, texts, grabs
  EXPECT_EQ(Digest(calls), 6705314878153341448u);
  EXPECT_EQ(t.fake.TickMs() - start, 3726u);  // 101 paced steps, the win sound, 12 count-off steps

  EXPECT_EQ(std::tuple(g.Credits, g.Cherries, g.Bells, g.BellPool, g.Spins, g.TotalBets, g.SpinWin, t.m.animation.FlashedItem),
            std::tuple(1004, 3, 3, 107, 1, 8, 0, 2));
  EXPECT_EQ(g.LineWins, (std::array<int32_t, 8>{0, 0, 10, 0, 0, 0, 0, 2}));
  EXPECT_EQ(g.LastSpinSummary, "Line 3 paid 10.\r\nLine 8 paid 2.\r\n7 Credits were added to the Bell Pool.\r\n");
  EXPECT_TRUE(t.fake.Running(machine::LampTimer::WinFlash));  // the win flash goes on
}

}  // namespace
