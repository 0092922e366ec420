#include "platform/fltk/help_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Help_View.H>

#include <vector>

#include "platform/fltk/fltk_parts.h"
#include "platform/fltk/keyboard.h"

namespace platform::fltk {

namespace {
constexpr int kPad = 6, kButtonW = 80, kButtonH = 26;
}

struct HelpWindow::Impl : public Fl_Double_Window {
  explicit Impl(std::function<void()> on_closed)
      : Fl_Double_Window(640, 480, "Vantello Manual"), closed(std::move(on_closed)) {
    back = AddButton(kPad, "Back", [](Fl_Widget*, void* d) { static_cast<Impl*>(d)->Step(-1); });
    forward = AddButton(kPad + kButtonW + kPad, "Forward",
                        [](Fl_Widget*, void* d) { static_cast<Impl*>(d)->Step(1); });
    AddButton(kPad + 2 * (kButtonW + kPad), "Contents",
              [](Fl_Widget*, void* d) { static_cast<Impl*>(d)->Open(static_cast<Impl*>(d)->file); });
    close = AddButton(0, "Close", [](Fl_Widget*, void* d) { static_cast<Impl*>(d)->hide(); });
    view = new Fl_Help_View(0, 0, 10, 10);
    view->callback(ViewMoved, this);
    text_size = view->textsize();
    end();
    resizable(view);
    Arrange();
    UpdateButtons();
  }

  Fl_Button* AddButton(int x, const char* caption, Fl_Callback* press) {
    auto* b = new Fl_Button(x, kPad, kButtonW, kButtonH, caption);
    b->callback(press, this);
    buttons.push_back({b, x});
    return b;
  }

  // The buttons, their captions and the text grow with the machine.
  void SetScale(double s) {
    scaled = Scaling{s};
    for (const PlacedButton& b : buttons) b.button->labelsize(scaled(FL_NORMAL_SIZE));
    view->textsize(scaled(text_size));
  }

  // The view fills everything under the button row; Close keeps to the right edge.
  void Arrange() {
    for (const PlacedButton& b : buttons)
      b.button->resize(scaled(b.x), scaled(kPad), scaled.Length(b.x, kButtonW),
                       scaled.Length(kPad, kButtonH));
    close->position(w() - scaled(kPad + kButtonW), scaled(kPad));
    int top = scaled(kPad + kButtonH + kPad);
    view->resize(0, top, w(), h() - top);
  }

  void resize(int x, int y, int w, int h) override {
    Fl_Double_Window::resize(x, y, w, h);
    Arrange();
  }

  void hide() override {
    bool was_shown = shown();
    Fl_Double_Window::hide();
    if (was_shown && closed) closed();
  }

  void Open(const std::string& target) {
    view->set_changed();  // a new page: the view's callback records it in the history
    view->load(target.c_str());
  }

  // Fl_Help_View calls back when it scrolls and, marked changed, when it followed a link.
  static void ViewMoved(Fl_Widget*, void* data) {
    auto* self = static_cast<Impl*>(data);
    Fl_Help_View* v = self->view;
    // Going back or forward loads the page and scrolls it: that is no new page, and the
    // page's place in the history stays as it was kept.
    if (!v->filename() || self->stepping) return;
    Page here{v->filename(), v->topline()};
    if (v->changed() || self->history.empty()) {
      v->clear_changed();
      self->history.resize(self->current + (self->history.empty() ? 0 : 1));
      self->history.push_back(here);
      self->current = self->history.size() - 1;
    } else {
      self->history[self->current] = here;
    }
    self->UpdateButtons();
  }

  void Step(int by) {
    size_t next = current + by;
    if (by < 0 ? current == 0 : next >= history.size()) return;
    current = next;
    stepping = true;
    view->load(history[current].file.c_str());
    view->topline(history[current].line);
    view->clear_changed();
    stepping = false;
    UpdateButtons();
  }

  void UpdateButtons() {
    if (current > 0) back->activate(); else back->deactivate();
    if (current + 1 < history.size()) forward->activate(); else forward->deactivate();
  }

  struct Page {
    std::string file;
    int line;
  };
  struct PlacedButton {
    Fl_Button* button;
    int x;  // in the layout, before Close is moved to the right edge
  };
  std::vector<PlacedButton> buttons;
  Scaling scaled;
  int text_size = 0;  // the view's own, at scale 1
  std::vector<Page> history;
  size_t current = 0;
  bool stepping = false;
  std::string file;
  std::function<void()> closed;
  Fl_Button* back = nullptr;
  Fl_Button* forward = nullptr;
  Fl_Button* close = nullptr;
  Fl_Help_View* view = nullptr;
};

HelpWindow::HelpWindow(std::function<void()> closed) : impl_(std::make_unique<Impl>(std::move(closed))) {}

HelpWindow::~HelpWindow() = default;

void HelpWindow::Show(const std::string& target, int x, int y, int w, int h, double scale) {
  Impl& win = *impl_;
  bool over_dialog = Fl::modal() != nullptr && Fl::modal() != &win;
  // FLTK takes a window's modality when it is shown: showing it again is how it changes.
  if (win.shown() && over_dialog != (win.modal() != 0)) win.hide();
  if (!win.shown()) {
    win.clear_modal_states();
    if (over_dialog) win.set_modal();
    win.SetScale(scale);
    win.resize(x, y, w, h);
  }
  win.file = target.substr(0, target.find('#'));
  win.Open(target);
  win.show();
  GiveKeyboard(win);
}

}  // namespace platform::fltk
