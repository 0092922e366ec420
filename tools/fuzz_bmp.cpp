// Fuzz target: any bytes as an artwork file. Decoding must not crash, must leave the
// picture it was given alone when it refuses the file, and a picture it accepts must be
// of a size the game can hold and must come back unchanged through the game's writers.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/fuzz_support.h"

#include "platform/bitmap.h"
#include "platform/bmp.h"

namespace {

using fuzz::Check;
using fuzz::Put16;
using fuzz::Put32;

// The bytes as palette and pixels of a well-formed header, so that the fuzzer reaches
// the pixel decoding of every depth without first having to guess a valid header. The
// first five bytes choose the header kind, depth, size, row order, palette length and
// compression; the pixel offset is right or points anywhere.
std::vector<uint8_t> AsBmp(const uint8_t* data, size_t size) {
  if (size < 5) return {};
  static constexpr int kDepths[8] = {1, 4, 8, 16, 24, 32, 8, 24};
  const bool core = data[0] & 1;  // the 12-byte header of the oldest files
  const int bits = kDepths[(data[0] >> 1) & 7];
  const bool top_down = !core && (data[0] & 16);
  const bool bitfields = !core && (data[0] & 32) && (bits == 16 || bits == 32);
  const uint32_t width = 1 + data[1] % 96;
  const uint32_t height = 1 + data[2] % 96;
  const uint32_t colours = bits <= 8 ? data[3] % ((1u << bits) + 1) : 0;
  const uint32_t header = core ? 12 : 40;
  const uint32_t entries = bits <= 8 ? (colours ? colours : 1u << bits) : 0;
  uint32_t offset = 14 + header + entries * (core ? 3 : 4);
  if (data[4] & 1) offset = data[4] * 7;
  std::vector<uint8_t> b = {'B', 'M'};
  Put32(b, static_cast<uint32_t>(14 + header + size - 5));
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, header);
  if (core) {
    Put16(b, width);
    Put16(b, height);
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(bits));
  } else {
    Put32(b, width);
    Put32(b, top_down ? static_cast<uint32_t>(-static_cast<int32_t>(height)) : height);
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(bits));
    Put32(b, bitfields ? 3 : 0);
    Put32(b, 0);
    Put32(b, 3780);
    Put32(b, 3780);
    Put32(b, colours);
    Put32(b, 0);
  }
  b.insert(b.end(), data + 5, data + size);
  return b;
}

bool SamePixels(const platform::Bitmap& a, const platform::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

int CountColours(const platform::Bitmap& b, int stop_at) {
  std::vector<platform::Color> seen;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) {
      platform::Color c = b.Pixel(x, y);
      bool known = false;
      for (platform::Color s : seen) known = known || s == c;
      if (!known) seen.push_back(c);
      if (static_cast<int>(seen.size()) > stop_at) return static_cast<int>(seen.size());
    }
  return static_cast<int>(seen.size());
}

void CheckPicture(const uint8_t* data, size_t size) {
  // A picture the caller already holds, as the built-in buttons are when a file
  // is read over them: a refused file must leave it as it was.
  const platform::Bitmap before(3, 2, 0x123456);
  platform::Bitmap pic = before;
  std::string error;
  if (!platform::DecodeBmp(data, size, pic, &error)) {
    Check(!error.empty());
    Check(SamePixels(pic, before));
    return;
  }
  Check(!pic.Empty());
  Check(static_cast<long long>(pic.Width()) * pic.Height() <= platform::kMaxBmpPixels);

  // What the generators write, the game reads back exactly.
  const std::vector<uint8_t> bytes24 = platform::EncodeBmp24(pic);
  platform::Bitmap again;
  Check(platform::DecodeBmp(bytes24.data(), bytes24.size(), again));
  Check(SamePixels(pic, again));
  if (static_cast<long long>(pic.Width()) * pic.Height() <= 4096 && CountColours(pic, 256) <= 256) {
    const std::vector<uint8_t> bytes8 = platform::EncodeBmp8(pic);
    platform::Bitmap again8;
    Check(platform::DecodeBmp(bytes8.data(), bytes8.size(), again8));
    Check(SamePixels(pic, again8));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckPicture(data, size);
  const std::vector<uint8_t> bmp = AsBmp(data, size);
  CheckPicture(bmp.data(), bmp.size());
  return 0;
}
