// The machine's three layouts, picked by the width of the screen. Every place and size on
// the window follows from the class; these are the only widths the game compares with.
#pragma once

namespace rules {

enum class WidthClass { Small, Medium, Large };

constexpr int kMediumScreenWidth = 700;
constexpr int kLargeScreenWidth = 1000;
// The medium artwork (its side lamps, the machine lowered by 50 pixels) starts a little
// below the medium layout.
constexpr int kMediumArtworkWidth = 691;

// The large layout was made for a 1024x768 screen, in a window 10 pixels narrower. On
// any wider screen it is laid out for that screen and the window shows it scaled to fit.
constexpr int kLargeLayoutScreenWidth = 1024;
constexpr int kLargeLayoutWidth = kLargeLayoutScreenWidth - 10;
constexpr int kLargeLayoutHeight = 768;

constexpr WidthClass WidthClassOf(int screen_width) {
  if (screen_width < kMediumScreenWidth) return WidthClass::Small;
  if (screen_width < kLargeScreenWidth) return WidthClass::Medium;
  return WidthClass::Large;  // wider than 10000 too
}

// The width the machine is laid out for on a screen: the screen's own, or from 1000 wide
// the screen the large layout was made for.
constexpr int LayoutWidthOf(int screen_width) {
  return WidthClassOf(screen_width) == WidthClass::Large ? kLargeLayoutScreenWidth : screen_width;
}

}  // namespace rules
