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

// Largest picture the game will accept from a file, in pixels.
constexpr long long kMaxBmpPixels = 32LL * 1024 * 1024;

bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out, std::string* error = nullptr);
bool LoadBmp(const std::string& path, Bitmap& out, std::string* error = nullptr);

std::vector<uint8_t> EncodeBmp24(const Bitmap& picture);
// Writes a real 8-bit palettised file. Pictures of 256 colours or fewer keep them exactly;
// others are mapped to the nearest entry of a fixed palette.
std::vector<uint8_t> EncodeBmp8(const Bitmap& picture);
bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes);

// Reads a whole file, refusing one larger than max_bytes.
bool ReadFile(const std::string& path, std::vector<uint8_t>& out, size_t max_bytes);

}  // namespace platform
