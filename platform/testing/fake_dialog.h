// The test double of dialogs: controls are remembered, a script plays the player's part
// while the dialog is "shown", and nothing is drawn but the dialog's own surface.
#pragma once
#include <deque>
#include <map>
#include <vector>

#include "platform/dialog.h"
#include "platform/testing/fake_platform.h"

namespace platform::testing {

class FakeDialog : public Dialog {
 public:
  struct Control {
    enum Kind { kLabel, kButton, kEdit, kRadio, kCheck, kFrame } kind = kLabel;
    int x = 0, y = 0, w = 0, h = 0;
    std::string text;
    ButtonKind button = ButtonKind::Plain;
    std::function<void()> on_click;
    bool on = false;
    std::string tooltip;
  };

  static Control Make(Control::Kind kind, int x, int y, int w, int h, const std::string& text) {
    Control c;
    c.kind = kind, c.x = x, c.y = y, c.w = w, c.h = h, c.text = text;
    return c;
  }

  FakeDialog(std::string caption, int w, int h, TextRenderer* text)
      : caption(std::move(caption)), width(w), height(h), surface(w, h, text) {}

  int AddLabel(int x, int y, int w, int h, const std::string& text, const LabelStyle& style) override {
    styles[Add(Make(Control::kLabel, x, y, w, h, text))] = style;
    return static_cast<int>(controls.size()) - 1;
  }
  int AddButton(int x, int y, int w, int h, const std::string& caption_text, ButtonKind kind,
                std::function<void()> on_click, const Bitmap*) override {
    Control c = Make(Control::kButton, x, y, w, h, caption_text);
    c.button = kind;
    c.on_click = std::move(on_click);
    return Add(std::move(c));
  }
  int AddEdit(int x, int y, int w, int h, const std::string& text, bool, int max_chars) override {
    edit_limits[static_cast<int>(controls.size())] = max_chars;
    return Add(Make(Control::kEdit, x, y, w, h, text));
  }
  int AddRadio(int x, int y, int w, int h, const std::string& text, int, bool on) override {
    Control c = Make(Control::kRadio, x, y, w, h, text);
    c.on = on;
    return Add(std::move(c));
  }
  int AddCheck(int x, int y, int w, int h, const std::string& text, int, bool on) override {
    Control c = Make(Control::kCheck, x, y, w, h, text);
    c.on = on;
    return Add(std::move(c));
  }
  int AddFrame(int x, int y, int w, int h) override { return Add(Make(Control::kFrame, x, y, w, h, "")); }
  void SetText(int id, const std::string& text) override { controls.at(id).text = text; }
  std::string Text(int id) const override { return controls.at(id).text; }
  bool Checked(int id) const override { return controls.at(id).on; }
  void SetTooltip(int id, const std::string& text) override { controls.at(id).tooltip = text; }

  Canvas& Surface() override { return surface; }
  void OnPaint(std::function<void()> paint) override { paint_ = std::move(paint); }
  void Repaint() override {
    ++repaints;
    if (paint_) paint_();
  }
  void OnMouseUp(std::function<void(int, int)> handler) override { mouse_up_ = std::move(handler); }
  void OnClose(std::function<void()> handler) override { close_ = std::move(handler); }
  void SetHelpTopic(int topic) override { help_topic = topic; }
  void MoveTo(int x, int y) override { moved_x = x, moved_y = y; }
  void ShowModal() override {
    shown = true;
    Repaint();
    if (script) script(*this);
    if (open) Close();
  }
  void Close() override {
    if (!open) return;
    open = false;
    if (close_) close_();
  }

  // The player's hands.
  void Click(int id) {
    Control& c = controls.at(id);
    if (c.kind == Control::kCheck) {
      c.on = !c.on;
      return;
    }
    if (c.kind == Control::kRadio) {
      for (auto& other : controls)
        if (other.kind == Control::kRadio) other.on = false;
      c.on = true;
      return;
    }
    if (c.on_click) c.on_click();
    if (c.button != ButtonKind::Plain) Close();
  }
  void Type(int id, const std::string& text) { controls.at(id).text = text; }
  void MouseUp(int x, int y) {
    if (mouse_up_) mouse_up_(x, y);
  }
  // The first control whose text is this.
  int Find(const std::string& text) const {
    for (size_t i = 0; i < controls.size(); ++i)
      if (controls[i].text == text) return static_cast<int>(i);
    return -1;
  }

  std::string caption;
  int width, height;
  Canvas surface;
  std::vector<Control> controls;
  std::map<int, LabelStyle> styles;
  std::map<int, int> edit_limits;  // each edit field's most characters
  std::function<void(FakeDialog&)> script;
  bool shown = false, open = true;
  int repaints = 0, help_topic = 0, moved_x = -1, moved_y = -1;

 private:
  int Add(Control c) {
    controls.push_back(std::move(c));
    return static_cast<int>(controls.size()) - 1;
  }
  std::function<void()> paint_;
  std::function<void(int, int)> mouse_up_;
  std::function<void()> close_;
};

// Hands out fake dialogs; each takes the next script queued (none: it just closes).
class FakeDialogFactory : public DialogFactory {
 public:
  std::unique_ptr<Dialog> NewDialog(const std::string& caption, int width, int height, Color) override {
    auto d = std::make_unique<FakeDialog>(caption, width, height, &text);
    if (!scripts.empty()) {
      d->script = std::move(scripts.front());
      scripts.pop_front();
    }
    opened.push_back(caption);
    return d;
  }
  FakeText text;
  std::deque<std::function<void(FakeDialog&)>> scripts;
  std::vector<std::string> opened;
};

}  // namespace platform::testing
