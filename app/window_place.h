// Where the machine's window stood when the game last closed: its place, its size and
// whether it filled the screen. Kept apart from the saved games, in
// $XDG_CONFIG_HOME/vantello/Window.ini, since it belongs to this desktop, not to a game.
#pragma once
#include <optional>
#include <string>

namespace app {

struct WindowPlace {
  int x = 0, y = 0, w = 0, h = 0;  // w, h 0: no size to come back to
  bool full_screen = false;
};

// A place to open at or keep on a screen whose work area is at x, y and w x h: a window
// larger than the area opens as large as it allows, centred on it; one standing partly
// off it is moved onto it. A full-screen place (no size) keeps its corner on the area.
WindowPlace FitOnScreen(const WindowPlace& place, int x, int y, int w, int h);

std::string WindowPlacePath();
// Nothing when the file is missing or holds no usable place.
std::optional<WindowPlace> ReadWindowPlace(const std::string& path);
bool WriteWindowPlace(const std::string& path, const WindowPlace& place);

}  // namespace app
