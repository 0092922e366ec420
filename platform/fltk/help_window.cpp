#include "platform/fltk/help_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Help_View.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <vector>

#include "platform/fltk/fltk_parts.h"
#include "platform/fltk/keyboard.h"
#include "platform/words.h"

namespace platform::fltk {

namespace {
constexpr int kPad = 6, kButtonW = 80, kButtonH = 26;

// A button as wide as its caption needs in the player's language, and never narrower
// than its own size.
int ButtonWidth(const char* caption) {
  fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
  return std::max(kButtonW, static_cast<int>(fl_width(caption)) + 2 * kPad + 6);
}
}  // namespace

struct HelpWindow::Impl : public Fl_Double_Window {
  explicit Impl(std::function<void()> on_closed)
      // TRANSLATORS: the title of the manual's window; Vantello is the game's name.
      : Fl_Double_Window(640, 480, _("Vantello Manual")), closed(std::move(on_closed)) {
    // TRANSLATORS: the manual's button back to the page shown before.
    back = AddButton(_("Back"), [](Fl_Widget*, void* d) { static_cast<Impl*>(d)->Step(-1); });
    // TRANSLATORS: the manual's button forward again to the page left with Back.
    forward = AddButton(_("Forward"), [](Fl_Widget*, void* d) { static_cast<Impl*>(d)->Step(1); });
    // TRANSLATORS: the manual's button to its list of topics.
    AddButton(_("Contents"),
              [](Fl_Widget*, void* d) { static_cast<Impl*>(d)->Open(static_cast<Impl*>(d)->file); });
    // TRANSLATORS: the button that closes the manual (and other windows).
    close = AddButton(_("Close"), [](Fl_Widget*, void* d) { static_cast<Impl*>(d)->hide(); });
    view = new Fl_Help_View(0, 0, 10, 10);
    view->callback(ViewMoved, this);
    text_size = view->textsize();
    end();
    resizable(view);
    Arrange();
    UpdateButtons();
  }

  // Each button after the one before it; Arrange moves the last, Close, to the right edge.
  Fl_Button* AddButton(const char* caption, Fl_Callback* press) {
    const int x = buttons.empty() ? kPad : buttons.back().x + buttons.back().w + kPad;
    const int w = ButtonWidth(caption);
    auto* b = new Fl_Button(x, kPad, w, kButtonH, caption);
    b->callback(press, this);
    buttons.push_back({b, x, w});
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
      b.button->resize(scaled(b.x), scaled(kPad), scaled.Length(b.x, b.w), scaled.Length(kPad, kButtonH));
    close->position(w() - scaled(kPad + buttons.back().w), scaled(kPad));
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
    int w;
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
