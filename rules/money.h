// Credits, wins and statistics are 32-bit; sums and products that would overflow
// stop at the largest (or smallest) 32-bit value instead of wrapping round.
#pragma once
#include <cstdint>
#include <limits>

namespace rules {

constexpr int32_t kMaxCredits = std::numeric_limits<int32_t>::max();

inline int32_t Saturate(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

inline int32_t SatAdd(int32_t a, int64_t b) { return Saturate(int64_t{a} + b); }
inline int32_t SatMul(int32_t a, int64_t b) {
  __int128 product = static_cast<__int128>(a) * b;
  if (product > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (product < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(product);
}

}  // namespace rules
