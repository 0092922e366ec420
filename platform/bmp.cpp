#include "platform/bmp.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <map>

namespace platform {

namespace {

uint32_t U16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
int32_t S32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

std::vector<uint8_t> Header(int width, int height, int bits, int palette_entries,
                            size_t image_bytes) {
  std::vector<uint8_t> b;
  uint32_t offset = 14 + 40 + 4 * palette_entries;
  b.push_back('B');
  b.push_back('M');
  Put32(b, static_cast<uint32_t>(offset + image_bytes));
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(width));
  Put32(b, static_cast<uint32_t>(height));
  Put16(b, 1);
  Put16(b, static_cast<uint32_t>(bits));
  Put32(b, 0);
  Put32(b, static_cast<uint32_t>(image_bytes));
  Put32(b, 3780);  // 96 dots per inch
  Put32(b, 3780);
  Put32(b, static_cast<uint32_t>(palette_entries));
  Put32(b, 0);
  return b;
}

// What a file's header says of its picture.
struct BmpHeader {
  uint32_t pixel_offset = 0, header_size = 0, compression = 0, colours_used = 0;
  int64_t width = 0, height = 0;
  bool top_down = false;
  int bits = 0, palette_entry_size = 0;

  uint64_t Stride() const { return ((static_cast<uint64_t>(width) * bits + 31) / 32) * 4; }
};

// The bytes a header takes, in its larger usual form.
constexpr size_t kHeaderBytes = 14 + 40;

bool ReadHeader(const uint8_t* data, size_t size, BmpLimit limit, BmpHeader& h, std::string* error) {
  if (size < 26 || data[0] != 'B' || data[1] != 'M') return Fail(error, "not a BMP file");
  h.pixel_offset = U32(data + 10);
  h.header_size = U32(data + 14);
  if (h.header_size == 12) {
    h.width = U16(data + 18);
    h.height = static_cast<int16_t>(U16(data + 20));
    h.bits = static_cast<int>(U16(data + 24));
    h.palette_entry_size = 3;
  } else if (h.header_size >= 40 && size >= kHeaderBytes) {
    h.width = S32(data + 18);
    h.height = S32(data + 22);
    h.bits = static_cast<int>(U16(data + 28));
    h.compression = U32(data + 30);
    h.colours_used = U32(data + 46);
    h.palette_entry_size = 4;
  } else {
    return Fail(error, "unknown BMP header");
  }
  h.top_down = h.height < 0;
  if (h.top_down) h.height = -h.height;
  if (h.width <= 0 || h.height <= 0) return Fail(error, "empty BMP picture");
  if (h.width * h.height > kMaxBmpPixels || h.width > limit.width || h.height > limit.height)
    return Fail(error, "BMP picture too large");
  if (h.compression != 0 && !(h.compression == 3 && (h.bits == 16 || h.bits == 32)))
    return Fail(error, "compressed BMP not supported");
  if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 16 && h.bits != 24 && h.bits != 32)
    return Fail(error, "unsupported BMP depth");
  return true;
}

// Reads on until `bytes` holds `total` bytes or the file ends.
bool ReadUpTo(std::FILE* f, std::vector<uint8_t>& bytes, uint64_t total) {
  uint8_t buffer[65536];
  while (bytes.size() < total) {
    size_t got = std::fread(buffer, 1, std::min<uint64_t>(sizeof buffer, total - bytes.size()), f);
    if (got == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  return !std::ferror(f);
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out, std::string* error, BmpLimit limit) {
  BmpHeader h;
  if (!ReadHeader(data, size, limit, h, error)) return false;
  const int64_t width = h.width, height = h.height;
  const int bits = h.bits;

  std::array<Color, 256> palette{};
  if (bits <= 8) {
    uint64_t entries = h.colours_used ? h.colours_used : (1u << bits);
    if (entries > 256) return Fail(error, "bad BMP palette");
    uint64_t start = 14 + uint64_t{h.header_size};
    if (start + entries * h.palette_entry_size > size) return Fail(error, "truncated BMP palette");
    for (uint64_t i = 0; i < entries; ++i) {
      const uint8_t* p = data + start + i * h.palette_entry_size;
      palette[i] = Rgb(p[2], p[1], p[0]);
    }
  }
  const uint64_t stride = h.Stride();
  if (h.pixel_offset > size || stride * height > size - h.pixel_offset)
    return Fail(error, "truncated BMP pixels");

  Bitmap pic(static_cast<int>(width), static_cast<int>(height));
  for (int64_t row = 0; row < height; ++row) {
    const uint8_t* src = data + h.pixel_offset + row * stride;
    int y = static_cast<int>(h.top_down ? row : height - 1 - row);
    uint32_t* dst = pic.Row(y);
    for (int64_t x = 0; x < width; ++x) {
      Color c = 0;
      switch (bits) {
        case 1: c = palette[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
        case 4: c = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF]; break;
        case 8: c = palette[src[x]]; break;
        case 16: {
          uint32_t v = U16(src + 2 * x);
          c = Rgb(((v >> 10) & 31) * 255 / 31, ((v >> 5) & 31) * 255 / 31, (v & 31) * 255 / 31);
          break;
        }
        case 24: c = Rgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
        case 32: c = Rgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]); break;
      }
      dst[x] = c;
    }
  }
  out = std::move(pic);
  return true;
}

bool ReadFile(const std::string& path, std::vector<uint8_t>& out, size_t max_bytes) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::vector<uint8_t> bytes;
  uint8_t buffer[65536];
  size_t got;
  bool ok = true;
  while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
    if (bytes.size() + got > max_bytes) {
      ok = false;
      break;
    }
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  if (std::ferror(f)) ok = false;
  std::fclose(f);
  if (ok) out = std::move(bytes);
  return ok;
}

bool LoadBmp(const std::string& path, Bitmap& out, std::string* error, BmpLimit limit) {
  // Headers, palette and colour profile take far less than this before the pixels.
  constexpr uint64_t kRoomBeforePixels = 1u << 20;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return Fail(error, "cannot read file");
  std::vector<uint8_t> bytes;
  BmpHeader h;
  bool read = ReadUpTo(f, bytes, kHeaderBytes);
  bool fits = read && ReadHeader(bytes.data(), bytes.size(), limit, h, error);
  if (fits) read = ReadUpTo(f, bytes, kRoomBeforePixels + h.Stride() * h.height);
  std::fclose(f);
  if (!read) return Fail(error, "cannot read file");
  return fits && DecodeBmp(bytes.data(), bytes.size(), out, error, limit);
}

std::vector<uint8_t> EncodeBmp24(const Bitmap& picture) {
  int w = picture.Width(), h = picture.Height();
  size_t stride = ((static_cast<size_t>(w) * 24 + 31) / 32) * 4;
  std::vector<uint8_t> b = Header(w, h, 24, 0, stride * h);
  for (int y = h - 1; y >= 0; --y) {
    size_t start = b.size();
    for (int x = 0; x < w; ++x) {
      Color c = picture.Pixel(x, y);
      b.push_back(c & 0xFF);
      b.push_back((c >> 8) & 0xFF);
      b.push_back((c >> 16) & 0xFF);
    }
    b.resize(start + stride, 0);
  }
  return b;
}

std::vector<uint8_t> EncodeBmp8(const Bitmap& picture) {
  int w = picture.Width(), h = picture.Height();
  std::map<Color, int> index;
  std::vector<Color> palette;
  for (int y = 0; y < h && palette.size() <= 256; ++y)
    for (int x = 0; x < w; ++x) {
      Color c = picture.Pixel(x, y);
      if (index.emplace(c, static_cast<int>(palette.size())).second) palette.push_back(c);
      if (palette.size() > 256) break;
    }
  bool exact = palette.size() <= 256;
  if (!exact) {
    // A 6 x 6 x 6 colour cube and a ramp of 40 greys.
    palette.clear();
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int bl = 0; bl < 6; ++bl) palette.push_back(Rgb(r * 51, g * 51, bl * 51));
    for (int i = 0; i < 40; ++i) palette.push_back(Rgb(i * 255 / 39, i * 255 / 39, i * 255 / 39));
  }
  auto nearest = [&](Color c) {
    if (exact) return index[c];
    int best = 0;
    long best_d = 1L << 40;
    for (size_t i = 0; i < palette.size(); ++i) {
      long dr = long((c >> 16) & 255) - long((palette[i] >> 16) & 255);
      long dg = long((c >> 8) & 255) - long((palette[i] >> 8) & 255);
      long db = long(c & 255) - long(palette[i] & 255);
      long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
      if (d < best_d) {
        best_d = d;
        best = static_cast<int>(i);
      }
    }
    return best;
  };
  std::map<Color, int> cache;
  size_t stride = ((static_cast<size_t>(w) * 8 + 31) / 32) * 4;
  int entries = static_cast<int>(palette.size());
  std::vector<uint8_t> b = Header(w, h, 8, entries, stride * h);
  for (Color c : palette) {
    b.push_back(c & 0xFF);
    b.push_back((c >> 8) & 0xFF);
    b.push_back((c >> 16) & 0xFF);
    b.push_back(0);
  }
  for (int y = h - 1; y >= 0; --y) {
    size_t start = b.size();
    for (int x = 0; x < w; ++x) {
      Color c = picture.Pixel(x, y);
      auto it = cache.find(c);
      if (it == cache.end()) it = cache.emplace(c, nearest(c)).first;
      b.push_back(static_cast<uint8_t>(it->second));
    }
    b.resize(start + stride, 0);
  }
  return b;
}

bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace platform
