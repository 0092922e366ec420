// The real desktop: FLTK for windows, drawing, timers, boxes and help, SDL2 for sound.
// Only app/main.cpp sees this header; the game talks to the interfaces it implements.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/dialog.h"
#include "platform/services.h"
#include "platform/window_shell.h"

namespace platform::fltk {

// Opens the display; call once before anything else.
void OpenDisplay(const std::string& app_title);
ScreenInfo ReadScreen();
// The work area (the screen less the desktop's panels) of the screen at a point, or of the
// first screen when no screen holds it.
struct ScreenArea {
  int x = 0, y = 0, w = 0, h = 0;
};
ScreenArea WorkAreaAt(int x, int y);
// The folder of the running program file, with a trailing '/'.
std::string ProgramFolder();

class GameWindow;
class HelpWindow;

// Runs the message loop until the machine's window has closed; a manual still open
// goes with it.
void RunMessageLoop(const GameWindow& window);

// Runs `handler` on the window's thread when SIGTERM, SIGINT or SIGHUP arrives.
void OnTerminationSignal(std::function<void()> handler);

// The mark a box shows beside its text.
enum class BoxIcon { Blank, Information, Question, Error };

class Desktop : public Clock, public Timers, public MessageBoxes, public HelpViewer,
                public WebBrowser {
 public:
  Desktop();
  ~Desktop() override;

  uint64_t TickMs() override;
  uint32_t TimeOfDayMs() override;
  void PumpMessages() override;
  void WaitMessages(uint64_t until_ms) override;

  void Start(int id, int interval_ms, std::function<void()> tick) override;
  void Stop(int id) override;
  bool Running(int id) const override;

  void Information(const std::string& text) override;
  bool Confirm(const std::string& text, Answer on_enter) override;
  bool AskToStop(const std::string& title, const std::string& text, const std::string& go_on,
                 const std::string& stop) override;
  void Notice(const std::string& text) override;
  void Error(const std::string& text) override;
  std::optional<std::string> Input(const std::string& caption, const std::string& prompt, int max_chars,
                                   const std::string& initial) override;

  void ShowHelp(const std::string& file, const std::string& topic) override;
  bool OpenUrl(const std::string& url) override;

  TextRenderer& Text();
  DialogFactory& Dialogs();
  // Where F1 in a dialog finds the help file.
  // F1 in a box opens `box_topic`, the manual's page on the game's messages.
  void SetHelpFile(const std::string& file, int box_topic) {
    help_file_ = file;
    box_help_topic_ = box_topic;
  }
  // The machine's window: boxes and the manual open centred on it, and it gets the
  // keyboard back when they close.
  void SetMachineWindow(GameWindow& window) { machine_ = &window; }
  // Hides every window but the machine's: boxes, dialogs, the manual. Each loop that
  // shows one returns as if it had been closed with Escape.
  void CloseWindowsOverMachine();
  // A close is under way (CloseWindowsOverMachine has run): no box, dialog or manual opens
  // any more. A box asked for then answers at once as if cancelled, so that nothing can
  // hold up a game the desktop is ending; its caller takes that as the close it is.
  bool Closing() const { return closing_; }
  // Gives the keyboard to the dialog still open, or else to the machine. Without a
  // window manager nobody else does when a window closes.
  void ReturnFocus();
  // The machine's scale (GameWindow::Scale), by which the windows over it grow.
  double MachineScale() const;
  // Where a window of w x h (window pixels) opens: centred on the machine, on its screen.
  void CentreOnMachine(int w, int h, int& x, int& y) const;

  struct TimerSlot;

 private:
  bool closing_ = false;
  std::unique_ptr<TextRenderer> text_;
  std::unique_ptr<DialogFactory> dialogs_;
  std::unique_ptr<TimerSlot[]> timers_;
  std::string help_file_;
  int box_help_topic_ = 0;
  std::unique_ptr<HelpWindow> help_;
  GameWindow* machine_ = nullptr;
  std::string game_title_;

  struct BoxButton;
  int RunBox(const std::string& caption, const std::string& text, BoxIcon icon,
             const std::vector<BoxButton>& buttons, std::string* answer, int answer_chars = 0);
};

// The main window: a fixed-size window whose client area shows a Canvas, with
// "hotspots" (areas with a tool tip that answer clicks) for the command buttons.
class GameWindow : public WindowShell {
 public:
  struct Handlers {
    std::function<void(int key)> key_down;        // Enter 13, Space 32, letters upper case
    std::function<void(int x, int y)> mouse_down;
    std::function<void()> close;                  // close box, Alt+F4, window manager
    std::function<void()> help;                   // F1
    std::function<void()> resized;                // the canvas changed size: repaint it all
    std::function<void(bool at_mouse)> menu;      // right click, the Menu key, Shift+F10
  };

  GameWindow(const std::string& title, int width, int height, TextRenderer& text);
  ~GameWindow() override;

  Canvas& Surface();
  void SetHandlers(Handlers handlers);
  int AddHotspot(int x, int y, int w, int h, const std::string& tooltip,
                 std::function<void()> click) override;
  void SetHotspotTooltip(int id, const std::string& tooltip) override;
  void SetTooltipDelay(double seconds);

  void Place(int x, int y, int w, int h) override;
  // Fills the screen's work area; done by the window itself, so no window manager is needed.
  void Maximize() override;
  void FitPicture(int layout_w, int layout_h, int compose_scale) override;
  void SetTitle(const std::string& title) override;
  int PopupMenu(const std::vector<MenuItem>& items, bool at_mouse) override;
  void ToggleFullScreen() override;

  // Where the window stands, for the next start; only a fitted window remembers it.
  struct Placement {
    int x = 0, y = 0, w = 0, h = 0;
    bool full_screen = false;
  };
  bool Fitted() const;
  // Window pixels per layout pixel as the machine is shown now: 1 unless fitted. The
  // windows that open over the machine grow by the same.
  double Scale() const;
  Placement Where() const;
  void Restore(const Placement& where);
  void Close() override { Hide(); }
  void Show();
  void Hide();
  bool Shown() const;

 private:
  friend class Desktop;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform::fltk
