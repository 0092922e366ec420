#include "app/window_place.h"

#include <algorithm>

#include "platform/profile_file.h"
#include "persistence/saved_game.h"
#include "persistence/settings.h"

namespace app {

namespace {
constexpr char kSection[] = "Window";
// Sizes beyond any screen are not a place a window can come back to.
constexpr int kLargest = 100000;
}  // namespace

WindowPlace FitOnScreen(const WindowPlace& place, int x, int y, int w, int h) {
  WindowPlace fit = place;
  if (w <= 0 || h <= 0) return fit;  // no screen to go by
  if (fit.w > w || fit.h > h) {
    fit.w = std::min(fit.w, w);
    fit.h = std::min(fit.h, h);
    fit.x = x + (w - fit.w) / 2;
    fit.y = y + (h - fit.h) / 2;
    return fit;
  }
  fit.x = std::clamp(fit.x, x, x + w - fit.w);
  fit.y = std::clamp(fit.y, y, y + h - fit.h);
  return fit;
}

std::string WindowPlacePath() { return persistence::ConfigFilePath("Window.ini"); }

std::optional<WindowPlace> ReadWindowPlace(const std::string& path) {
  platform::ProfileText text = platform::ProfileFile(path).Read();
  auto number = [&](const char* key, int low) -> std::optional<int> {
    std::optional<std::string> value = text.Read(kSection, key);
    std::optional<int32_t> n = value ? persistence::ParseSavedInteger(*value) : std::nullopt;
    if (!n || *n < low || *n > kLargest) return std::nullopt;
    return *n;
  };
  auto x = number("X", -kLargest), y = number("Y", -kLargest), w = number("Width", 0),
       h = number("Height", 0), full = number("FullScreen", 0);
  if (!x || !y || !w || !h) return std::nullopt;
  return WindowPlace{*x, *y, *w, *h, full.value_or(0) != 0};
}

bool WriteWindowPlace(const std::string& path, const WindowPlace& p) {
  return platform::ProfileFile(path).WriteSection(
      kSection, {{"X", std::to_string(p.x)}, {"Y", std::to_string(p.y)}, {"Width", std::to_string(p.w)},
                 {"Height", std::to_string(p.h)}, {"FullScreen", p.full_screen ? "1" : "0"}});
}

}  // namespace app
