// The manual's window: the help file in a scrolling view with Back, Forward, Contents
// and Close, so it can be used and closed without a window manager.
#pragma once
#include <functional>
#include <memory>
#include <string>

namespace platform::fltk {

class HelpWindow {
 public:
  // `closed` runs whenever the window goes away, however it was closed.
  explicit HelpWindow(std::function<void()> closed);
  ~HelpWindow();

  // Shows `target` ("file" or "file#topic"). A window not yet open takes the frame
  // x, y, w, h, and its buttons and text grow by `scale`, the machine's. Opened over a
  // modal dialog the window is modal itself, or the dialog's modal state would swallow
  // its every click and key.
  void Show(const std::string& target, int x, int y, int w, int h, double scale);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform::fltk
