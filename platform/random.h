// The game's random numbers: xoshiro256** seeded through splitmix64, with Random(n)
// scaled to 0..n-1 by multiplication and rejection, so that no outcome is favoured.
#pragma once
#include <cstdint>

namespace platform {

class Rng {
 public:
  explicit Rng(uint64_t seed = 0) { Seed(seed); }

  void Seed(uint64_t seed) {
    for (auto& word : s_) {
      seed += 0x9E3779B97F4A7C15ULL;
      uint64_t z = seed;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
      word = z ^ (z >> 31);
    }
  }

  uint64_t Next() {
    uint64_t result = Rotl(s_[1] * 5, 7) * 9;
    uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
  }

  // Uniform in 0..n-1 for n >= 1.
  uint32_t Random(uint32_t n) {
    uint64_t x = Next() >> 32;
    uint64_t m = x * n;
    uint32_t low = static_cast<uint32_t>(m);
    if (low < n) {
      uint32_t threshold = static_cast<uint32_t>(-n) % n;
      while (low < threshold) {
        x = Next() >> 32;
        m = x * n;
        low = static_cast<uint32_t>(m);
      }
    }
    return static_cast<uint32_t>(m >> 32);
  }

 private:
  static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  uint64_t s_[4];
};

}  // namespace platform
