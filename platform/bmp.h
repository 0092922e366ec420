// Reading and writing Windows device-independent bitmaps (.bmp). The reader takes
// the uncompressed forms the game ships (8-bit palettised and 24-bit) and also 1-, 4-,
// 16- and 32-bit files; anything else, truncated or absurdly large is refused.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace platform {

// Largest picture the game will accept from a file, in pixels: more than a large screen
// holds, and 16 MB in memory.
constexpr long long kMaxBmpPixels = 2048LL * 2048;

// The most a picture may measure; a larger one is refused from its header alone.
struct BmpLimit {
  int width = 65535;
  int height = 65535;
};

bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out, std::string* error = nullptr,
               BmpLimit limit = {});
// Reads the header first, so that a picture over the limit is refused before the rest of
// its file is read.
bool LoadBmp(const std::string& path, Bitmap& out, std::string* error = nullptr, BmpLimit limit = {});

std::vector<uint8_t> EncodeBmp24(const Bitmap& picture);
// Writes a real 8-bit palettised file. Pictures of 256 colours or fewer keep them exactly;
// others are mapped to the nearest entry of a fixed palette.
std::vector<uint8_t> EncodeBmp8(const Bitmap& picture);
bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes);

// Reads a whole file, refusing one larger than max_bytes.
bool ReadFile(const std::string& path, std::vector<uint8_t>& out, size_t max_bytes);

}  // namespace platform
