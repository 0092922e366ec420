// Modal dialog windows with a few standard controls on a painted background, and the
// help viewer and web browser. The card table, the slot dialog, borrowing, the
// statistics, the pay chart and the web-site box are built from these.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace platform {

enum class Align { Left, Center, Right };

struct LabelStyle {
  int points = 8;
  Color color = kBlack;
  bool bold = false;
  Align align = Align::Left;
  bool wrap = false;
};

enum class ButtonKind {
  Plain,
  Ok,      // the default button: Enter presses it
  Cancel,  // Escape presses it
  Closes,  // closes the dialog like Ok, but only a click or its own letter presses it
};

class Dialog {
 public:
  virtual ~Dialog() = default;

  // Controls, in client coordinates; each call returns the control's id.
  virtual int AddLabel(int x, int y, int w, int h, const std::string& text, const LabelStyle& style) = 0;
  virtual int AddButton(int x, int y, int w, int h, const std::string& caption, ButtonKind kind,
                        std::function<void()> on_click, const Bitmap* picture = nullptr) = 0;
  // Besides the letter its caption marks with '&' (which a translation may change), `key`
  // presses the button: a question's Yes and No keep Y and N in every language.
  virtual void AddKey(int button, int key) { (void)button, (void)key; }
  // An edit field that takes at most `max_chars` characters.
  virtual int AddEdit(int x, int y, int w, int h, const std::string& text, bool frameless, int max_chars) = 0;
  // Radio buttons of one dialog form one group.
  virtual int AddRadio(int x, int y, int w, int h, const std::string& text, int points, bool on) = 0;
  // A check box, on its own: Checked() tells whether it is ticked.
  virtual int AddCheck(int x, int y, int w, int h, const std::string& text, int points, bool on) = 0;
  virtual int AddFrame(int x, int y, int w, int h) = 0;
  virtual void SetText(int id, const std::string& text) = 0;
  virtual std::string Text(int id) const = 0;
  virtual bool Checked(int id) const = 0;
  virtual void SetTooltip(int id, const std::string& text) = 0;

  // The client area's own picture, under the controls, and its painting.
  virtual Canvas& Surface() = 0;
  virtual void OnPaint(std::function<void()> paint) = 0;
  virtual void Repaint() = 0;
  virtual void OnMouseUp(std::function<void(int x, int y)> handler) = 0;
  // Runs however the dialog closes (a button that closes it, Escape, the close box).
  virtual void OnClose(std::function<void()> handler) = 0;
  // F1 opens this topic of the help file.
  virtual void SetHelpTopic(int topic) = 0;

  virtual void MoveTo(int x, int y) = 0;
  // Shows the dialog and returns when it has closed.
  virtual void ShowModal() = 0;
  virtual void Close() = 0;
};

class DialogFactory {
 public:
  virtual ~DialogFactory() = default;
  virtual std::unique_ptr<Dialog> NewDialog(const std::string& caption, int width, int height,
                                            Color background) = 0;
};

// The help viewer: opens a help file at a topic ("" for its contents page).
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  virtual void ShowHelp(const std::string& file, const std::string& topic) = 0;
};

class WebBrowser {
 public:
  virtual ~WebBrowser() = default;
  // Opens the address in the system's browser; false when nothing could start it.
  virtual bool OpenUrl(const std::string& url) = 0;
};

}  // namespace platform
