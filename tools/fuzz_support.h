// Small pieces shared by the fuzz targets: a check that stops the run, and little-endian
// writers for the headers they wrap their input in.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace fuzz {

inline void Check(bool holds) {
  if (!holds) std::abort();
}

inline void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}

inline void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

}  // namespace fuzz
