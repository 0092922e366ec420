#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <map>
#include <vector>

#include "platform/fltk/desktop.h"
#include "platform/fltk/fltk_parts.h"
#include "platform/fltk/keyboard.h"
#include "platform/picture_fit.h"

namespace platform::fltk {

namespace {

// FLTK keeps a label that hugs a side 3 pixels in from it; a centred one may use the whole width.
int LabelRoom(int w, const LabelStyle& style) { return style.align == Align::Center ? w : w - 6; }

// A button's label shares the inside of its frame with its picture and, on the default
// button, the return arrow; FLTK also keeps it a few pixels off the frame.
int ButtonRoom(const Fl_Button& b, bool arrow) {
  int room = b.w() - Fl::box_dw(b.box()) - 6;
  if (b.image() && b.label() && *b.label()) room -= b.image()->w() + 2;
  if (arrow) room -= std::min(b.h(), b.w() / 3);
  return room;
}

// A label's own size and the room it must fit into; no room for wrapped texts.
struct Fitting {
  int pixels = FL_NORMAL_SIZE;
  bool bold = false;
  int room = -1;
};

Fl_Color FlColor(Color c) { return fl_rgb_color((c >> 16) & 255, (c >> 8) & 255, c & 255); }

Fl_Align FlAlign(const LabelStyle& style) {
  Fl_Align a = FL_ALIGN_INSIDE | FL_ALIGN_CLIP;
  if (style.align == Align::Left) a |= FL_ALIGN_LEFT;
  if (style.align == Align::Right) a |= FL_ALIGN_RIGHT;
  if (style.wrap) a |= FL_ALIGN_WRAP | FL_ALIGN_TOP;
  return a;
}

class FltkDialog;

// The default button of a dialog that marks it with a picture of its own (a tick): Enter
// presses it as it does the toolkit's return button, without a second mark.
class PictureDefaultButton : public Fl_Button {
 public:
  PictureDefaultButton() : Fl_Button(0, 0, 0, 0) {}
  int handle(int event) override {
    if (event == FL_SHORTCUT && (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
      simulate_key_action();
      do_callback();
      return 1;
    }
    return Fl_Button::handle(event);
  }
};

// The client area's painted picture, under the controls.
class Background : public Fl_Box {
 public:
  Background(FltkDialog* owner, int w, int h) : Fl_Box(FL_NO_BOX, 0, 0, w, h, nullptr), owner_(owner) {}
  void draw() override;
  int handle(int event) override;

 private:
  FltkDialog* owner_;
};

class Window : public Fl_Double_Window {
 public:
  Window(int w, int h, FltkDialog* owner) : Fl_Double_Window(w, h), owner_(owner) {}
  int handle(int event) override;

 private:
  FltkDialog* owner_;
};

class FltkDialog : public Dialog {
 public:
  // The game gives the layout's sizes and coordinates; over a machine shown larger the
  // window, its controls and its picture grow by the machine's scale.
  FltkDialog(Desktop& desktop, TextRenderer& text, const std::string& caption, int w, int h, Color bg)
      : desktop_(desktop), scaled_{desktop.MachineScale()}, surface_(w, h, &text) {
    const int ww = scaled_(w), wh = scaled_(h);
    if (Grown()) {
      // The picture fills the window exactly: the window's sides are rounded apart by
      // less than a pixel, and the fit keeps each side's own.
      fit_ = FitPicture(w, h, ww, wh);
      fit_.left = fit_.top = 0, fit_.shown_w = ww, fit_.shown_h = wh;
      surface_.SetComposeScale(fit_.ComposeScale());
    }
    surface_.Fill(0, 0, w, h, bg);
    window_ = std::make_unique<Window>(ww, wh, this);
    window_->copy_label(CutToLine(caption).c_str());
    window_->color(FlColor(bg));
    background_ = new Background(this, ww, wh);
    window_->end();
    window_->callback(
        [](Fl_Widget*, void* data) { static_cast<FltkDialog*>(data)->Close(); }, this);
    int x = (Fl::w() - ww) / 2, y = (Fl::h() - wh) / 2;
    if (Grown()) desktop_.CentreOnMachine(ww, wh, x, y);
    window_->position(x, y);
    surface_.OnDamage([this](int, int, int, int) { background_->redraw(); });
  }

  ~FltkDialog() override {
    for (auto* image : images_) delete image;
  }

  int AddLabel(int x, int y, int w, int h, const std::string& text, const LabelStyle& style) override {
    window_->begin();
    auto* box = new Fl_Box(FL_NO_BOX, 0, 0, 0, 0, nullptr);
    window_->end();
    Place(*box, x, y, w, h);
    box->copy_label(PlainLabel(text).c_str());
    box->labelcolor(FlColor(style.color));
    box->align(FlAlign(style));
    // A wrapped text takes more lines rather than a smaller face.
    const int room = style.wrap ? -1 : LabelRoom(box->w(), style);
    Fitting fit{scaled_(PointsToPixels(style.points)), style.bold, room};
    if (style.wrap) {
      box->labelfont(style.bold ? FL_HELVETICA_BOLD : FL_HELVETICA);
      box->labelsize(fit.pixels);
    }
    return Add(box, false, fit);
  }

  int AddButton(int x, int y, int w, int h, const std::string& caption, ButtonKind kind,
                std::function<void()> on_click, const Bitmap* picture) override {
    window_->begin();
    const bool has_picture = picture && !picture->Empty();
    Fl_Button* button = kind != ButtonKind::Ok ? new Fl_Button(0, 0, 0, 0)
                        : has_picture          ? static_cast<Fl_Button*>(new PictureDefaultButton)
                                               : new Fl_Return_Button(0, 0, 0, 0);
    window_->end();
    Place(*button, x, y, w, h);
    button->labelsize(scaled_(button->labelsize()));
    // An empty caption would still take a line of height and push the picture onto the frame.
    if (!caption.empty()) button->copy_label(CutToLine(caption).c_str());
    if (kind == ButtonKind::Cancel) button->shortcut(FL_Escape);
    // Nor Space: the button never holds the keyboard, which goes to the default one.
    if (kind == ButtonKind::Closes) button->clear_visible_focus();
    if (has_picture) {
      button->image(ToImage(Grown() ? ScaledPicture(*picture) : *picture));
      if (caption.empty()) button->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE);
      else button->align(FL_ALIGN_IMAGE_NEXT_TO_TEXT | FL_ALIGN_INSIDE);
    }
    const bool arrow = kind == ButtonKind::Ok && !has_picture;
    int id = Add(button, false, {button->labelsize(), false, ButtonRoom(*button, arrow)});
    clicks_[id] = {std::move(on_click), kind};
    button->callback(ButtonPressed, this);
    return id;
  }

  int AddEdit(int x, int y, int w, int h, const std::string& text, bool frameless, int max_chars) override {
    window_->begin();
    auto* input = new Fl_Input(0, 0, 0, 0);
    window_->end();
    Place(*input, x, y, w, h);
    input->textsize(scaled_(input->textsize()));
    input->value(CutToLine(text).c_str());
    input->maximum_size(max_chars);
    if (frameless) {
      input->box(FL_FLAT_BOX);
      input->color(FL_BACKGROUND_COLOR);
    }
    return Add(input, true);
  }

  int AddRadio(int x, int y, int w, int h, const std::string& text, int points, bool on) override {
    window_->begin();
    auto* radio = new Fl_Round_Button(0, 0, 0, 0);
    window_->end();
    Place(*radio, x, y, w, h);
    radio->type(FL_RADIO_BUTTON);
    radio->copy_label(PlainLabel(text).c_str());
    radio->value(on ? 1 : 0);
    // The round mark, as wide as the label's size, and its margins come first.
    const int pixels = scaled_(PointsToPixels(points));
    return Add(radio, false, {pixels, false, radio->w() - pixels - 2 * (Fl::box_dx(radio->box()) + 2) - 6});
  }

  int AddCheck(int x, int y, int w, int h, const std::string& text, int points, bool on) override {
    window_->begin();
    auto* check = new Fl_Check_Button(0, 0, 0, 0);
    window_->end();
    Place(*check, x, y, w, h);
    check->copy_label(PlainLabel(text).c_str());
    check->value(on ? 1 : 0);
    // The box, as wide as the label's size, and its margins come first.
    const int pixels = scaled_(PointsToPixels(points));
    return Add(check, false, {pixels, false, check->w() - pixels - 2 * (Fl::box_dx(check->box()) + 2) - 6});
  }

  int AddFrame(int x, int y, int w, int h) override {
    window_->begin();
    auto* frame = new Fl_Box(FL_ENGRAVED_FRAME, 0, 0, 0, 0, nullptr);
    window_->end();
    Place(*frame, x, y, w, h);
    return Add(frame, false);
  }

  void SetText(int id, const std::string& text) override {
    Fl_Widget* w = controls_.at(id).widget;
    if (controls_[id].is_input) static_cast<Fl_Input*>(w)->value(CutToLine(text).c_str());
    else w->copy_label(PlainLabel(text).c_str());
    Fit(controls_[id]);
    w->redraw();
    window_->redraw();
  }

  std::string Text(int id) const override {
    const Control& c = controls_.at(id);
    if (c.is_input) return static_cast<Fl_Input*>(c.widget)->value();
    const char* label = c.widget->label();
    return label ? label : "";
  }

  bool Checked(int id) const override {
    return static_cast<Fl_Button*>(controls_.at(id).widget)->value() != 0;
  }

  void SetTooltip(int id, const std::string& text) override {
    controls_.at(id).widget->copy_tooltip(CutToLine(text).c_str());
  }

  Canvas& Surface() override { return surface_; }
  void OnPaint(std::function<void()> paint) override { paint_ = std::move(paint); }
  void Repaint() override {
    if (paint_) paint_();
    window_->redraw();
  }
  void OnMouseUp(std::function<void(int, int)> handler) override { mouse_up_ = std::move(handler); }
  void OnClose(std::function<void()> handler) override { close_ = std::move(handler); }
  void SetHelpTopic(int topic) override { help_topic_ = topic; }
  void MoveTo(int x, int y) override { window_->position(x, y); }

  void ShowModal() override {
    if (desktop_.Closing()) return Close();  // the game is ending: closed before it opens
    Repaint();
    window_->set_modal();
    window_->show();
    GiveKeyboard(*window_);
    while (window_->shown()) Fl::wait();
    desktop_.ReturnFocus();
  }

  void Close() override {
    if (closed_) return;
    closed_ = true;
    if (close_) close_();
    window_->hide();
  }

  // The click at a window pixel, reported where it fell in the layout.
  void MouseUp(int x, int y) {
    if (Grown() && !LayoutPointOf(fit_, x, y, x, y)) return;
    if (mouse_up_) mouse_up_(x, y);
  }
  // The block (x, y, w, h) of the window, from the picture drawn at the window's scale.
  void Draw(int x, int y, int w, int h) {
    if (!Grown()) return DrawCanvas(surface_, x, y, w, h);
    ShowComposed(fit_, surface_.Composed(), surface_.ComposeScale(), x, y, w, h, block_);
    ShowPixels(block_, 0, 0, x, y, w, h);
  }
  void Help() {
    if (help_topic_) desktop_.ShowHelp("", std::to_string(help_topic_));
  }
  void AddKey(int button, int key) override { keys_[key] = button; }
  // A key given to a button with AddKey presses it, as its caption's letter would.
  bool PressKey(int key) {
    auto found = keys_.find(key);
    if (found == keys_.end() || found->second < 0 || found->second >= static_cast<int>(controls_.size())) return false;
    Fl_Widget* button = controls_[static_cast<size_t>(found->second)].widget;
    if (!button->active_r() || !button->visible_r()) return false;
    button->do_callback();
    return true;
  }

 private:
  struct Control {
    Fl_Widget* widget;
    bool is_input;
    Fitting fit;
  };
  struct Click {
    std::function<void()> on_click;
    ButtonKind kind;
  };

  static void ButtonPressed(Fl_Widget* w, void* data) {
    auto* self = static_cast<FltkDialog*>(data);
    for (size_t i = 0; i < self->controls_.size(); ++i) {
      if (self->controls_[i].widget != w) continue;
      Click click = self->clicks_[static_cast<int>(i)];
      if (click.on_click) click.on_click();
      if (click.kind != ButtonKind::Plain) self->Close();
      return;
    }
  }

  bool Grown() const { return scaled_.s != 1; }

  // Puts a control where the layout has it, grown with the window.
  void Place(Fl_Widget& widget, int x, int y, int w, int h) const {
    widget.resize(scaled_(x), scaled_(y), scaled_.Length(x, w), scaled_.Length(y, h));
  }

  // A button's picture at the window's scale: brought down from its twin at the
  // surface's compose scale, or from the picture itself when it has none.
  Bitmap ScaledPicture(const Bitmap& picture) const {
    const int k = surface_.ComposeScale();
    const Bitmap* twin = picture.Twin(k);
    const int w = scaled_(picture.Width()), h = scaled_(picture.Height());
    PictureFit fit = FitPicture(picture.Width(), picture.Height(), w, h);
    fit.left = fit.top = 0, fit.shown_w = w, fit.shown_h = h;
    Bitmap out;
    ShowComposed(fit, twin ? *twin : picture, twin ? k : 1, 0, 0, w, h, out);
    return out;
  }

  int Add(Fl_Widget* w, bool is_input, Fitting fit = {}) {
    controls_.push_back({w, is_input, fit});
    Fit(controls_.back());
    return static_cast<int>(controls_.size()) - 1;
  }

  static void Fit(const Control& c) {
    if (!c.is_input && c.fit.room >= 0) FitLabel(*c.widget, c.fit.pixels, c.fit.bold, c.fit.room);
  }

  Fl_RGB_Image* ToImage(const Bitmap& b) {
    auto* bytes = new uchar[static_cast<size_t>(b.Width()) * b.Height() * 3];
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) {
        Color c = b.Pixel(x, y);
        uchar* p = bytes + (static_cast<size_t>(y) * b.Width() + x) * 3;
        p[0] = (c >> 16) & 255, p[1] = (c >> 8) & 255, p[2] = c & 255;
      }
    auto* image = new Fl_RGB_Image(bytes, b.Width(), b.Height(), 3);
    image->alloc_array = 1;
    images_.push_back(image);
    return image;
  }

  Desktop& desktop_;
  Scaling scaled_;
  PictureFit fit_;            // how the surface fills a grown window
  Bitmap block_;              // the block being shown
  Canvas surface_;
  std::unique_ptr<Window> window_;
  Background* background_ = nullptr;
  std::vector<Control> controls_;
  std::map<int, Click> clicks_;
  std::map<int, int> keys_;  // key -> button
  std::vector<Fl_RGB_Image*> images_;
  std::function<void()> paint_;
  std::function<void(int, int)> mouse_up_;
  std::function<void()> close_;
  int help_topic_ = 0;
  bool closed_ = false;
};

void Background::draw() {
  int x, y, w, h;
  fl_clip_box(0, 0, this->w(), this->h(), x, y, w, h);
  owner_->Draw(x, y, w, h);
}

int Background::handle(int event) {
  if (event == FL_PUSH) return 1;
  if (event == FL_RELEASE) {
    owner_->MouseUp(Fl::event_x(), Fl::event_y());
    return 1;
  }
  return Fl_Box::handle(event);
}

int Window::handle(int event) {
  if ((event == FL_KEYDOWN || event == FL_SHORTCUT) && Fl::event_key() == FL_F + 1) {
    owner_->Help();
    return 1;
  }
  // Only a key no control took: typed into a name, a Y is a letter.
  if (event == FL_SHORTCUT && !Fl::event_state(FL_CTRL | FL_ALT | FL_META) && owner_->PressKey(Fl::event_key()))
    return 1;
  return Fl_Double_Window::handle(event);
}

class FltkDialogFactory : public DialogFactory {
 public:
  FltkDialogFactory(Desktop& desktop, TextRenderer& text) : desktop_(desktop), text_(text) {}
  std::unique_ptr<Dialog> NewDialog(const std::string& caption, int width, int height,
                                    Color background) override {
    return std::make_unique<FltkDialog>(desktop_, text_, caption, width, height, background);
  }

 private:
  Desktop& desktop_;
  TextRenderer& text_;
};

}  // namespace

std::unique_ptr<DialogFactory> MakeDialogFactory(Desktop& desktop, TextRenderer& text) {
  return std::make_unique<FltkDialogFactory>(desktop, text);
}

}  // namespace platform::fltk
