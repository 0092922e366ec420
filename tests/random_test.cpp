#include <gtest/gtest.h>

#include <vector>

#include "platform/random.h"

namespace {

// Pearson's statistic for n equally likely outcomes.
double ChiSquare(platform::Rng& rng, uint32_t n, int draws) {
  std::vector<int> counts(n);
  for (int i = 0; i < draws; ++i) {
    uint32_t v = rng.Random(n);
    EXPECT_LT(v, n);
    counts[v]++;
  }
  double expected = static_cast<double>(draws) / n, chi = 0;
  for (int c : counts) chi += (c - expected) * (c - expected) / expected;
  return chi;
}

TEST(Random, DrawsAreUniform) {
  platform::Rng rng(20261207);
  // 99.9% points of chi-square with 19 and 5 degrees of freedom.
  EXPECT_LT(ChiSquare(rng, 20, 2'000'000), 43.82);
  EXPECT_LT(ChiSquare(rng, 6, 2'000'000), 20.52);
  EXPECT_LT(ChiSquare(rng, 576, 2'000'000), 700.0);
}

TEST(Random, ScalingHasNoModuloBias) {
  // 3 * 2^30 does not divide 2^32: a bare modulo would favour the low third twice over.
  platform::Rng rng(7);
  const uint32_t n = 3u << 30;
  int low = 0, draws = 300'000;
  for (int i = 0; i < draws; ++i) low += rng.Random(n) < (1u << 30);
  EXPECT_NEAR(low / static_cast<double>(draws), 1.0 / 3.0, 0.005);
}

// The same time of day gives the same draws, another time others: pinned by the two deals
// of card_game_test.cpp and the spin of spin_golden_test.cpp.

}  // namespace
