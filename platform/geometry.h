// Plain geometry and colour types shared by every room of the game.
#pragma once
#include <cstdint>

namespace platform {

// 0xRRGGBB.
using Color = uint32_t;

constexpr Color Rgb(int r, int g, int b) {
  return (Color(r & 0xFF) << 16) | (Color(g & 0xFF) << 8) | Color(b & 0xFF);
}

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kYellow = 0xFFFF00;
constexpr Color kSilver = 0xC0C0C0;
constexpr Color kRed = 0xFF0000;
constexpr Color kAqua = 0x00FFFF;
constexpr Color kGreen = 0x008000;
constexpr Color kOlive = 0x808000;
constexpr Color kBlue = 0x0000FF;
constexpr Color kGray = 0x808080;
constexpr Color kMaroon = 0x800000;

// A hit rectangle; a point hits when it lies on or inside all four edges.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool Contains(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

}  // namespace platform
