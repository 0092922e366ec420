// What the game asks of its main window beyond drawing: placement, and the areas of
// the command buttons with their tool tips.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace platform {

// A line of the popup menu: its caption and the key that does the same ("F1", "R"; "" for
// none), shown beside it; a line after it when it ends a group.
struct MenuItem {
  std::string caption;
  std::string key;
  bool ends_group = false;
  bool operator==(const MenuItem&) const = default;
};

class WindowShell {
 public:
  virtual ~WindowShell() = default;
  // An area with a tool tip; a click in it calls `click`, or, with none, goes to the
  // machine as any other click.
  virtual int AddHotspot(int x, int y, int w, int h, const std::string& tooltip,
                         std::function<void()> click) = 0;
  virtual void SetHotspotTooltip(int id, const std::string& tooltip) = 0;
  virtual void Place(int x, int y, int w, int h) = 0;
  virtual void Maximize() = 0;
  // From now on the picture is drawn at the layout's own size (w x h), composed at
  // `compose_scale` times that from the pictures' twins, and shown as large as the
  // window fits, centred; the window may be resized and made full screen.
  virtual void FitPicture(int layout_w, int layout_h, int compose_scale) = 0;
  // The popup menu, at the mouse or (opened from the keyboard) at the machine's corner, in
  // the desktop's own font size; the index of the line chosen, or -1.
  virtual int PopupMenu(const std::vector<MenuItem>& items, bool at_mouse) = 0;
  // Full screen on and off, for a window that shows its picture fitted (FitPicture).
  virtual void ToggleFullScreen() = 0;
  // The window's title, as the desktop shows it on its frame and in its task list.
  virtual void SetTitle(const std::string& title) = 0;
  // Hides the window; with it gone the program ends.
  virtual void Close() = 0;
};

}  // namespace platform
