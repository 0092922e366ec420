// Hands the keyboard to a window of ours. Without a window manager nobody else does,
// and keys would go nowhere after the window that had them closed.
#pragma once

class Fl_Window;

namespace platform::fltk {

void GiveKeyboard(Fl_Window& window);

}  // namespace platform::fltk
