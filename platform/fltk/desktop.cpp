#include "platform/fltk/desktop.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/fl_ask.H>
#include <FL/Fl_Menu_Item.H>
#include <FL/Fl_Tooltip.H>
#include <FL/Fl_Window.H>
#include <FL/filename.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <signal.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <cmath>
#include <filesystem>
#include <map>
#include <vector>

#include "platform/fltk/fltk_parts.h"
#include "platform/fltk/help_window.h"
#include "platform/fltk/keyboard.h"
#include "platform/picture_fit.h"
#include "platform/profile_file.h"
#include "platform/words.h"

namespace platform::fltk {

// ---- Start-up ---------------------------------------------------------------

namespace {
std::string game_title = "Vantello";  // the caption of the game's notices
}

void OpenDisplay(const std::string& app_title) {
  game_title = app_title;
  // The toolkit's own buttons speak the player's language too.
  fl_yes = _("Yes"), fl_no = _("No"), fl_ok = _("OK"), fl_cancel = _("Cancel"), fl_close = _("Close");
  fl_open_display();
  Fl::visual(FL_RGB);
  Fl_Tooltip::delay(0.05f);
  Fl_Tooltip::hoverdelay(0.05f);
}

ScreenInfo ReadScreen() {
  ScreenInfo s;
  int x, y;
  Fl::screen_xywh(x, y, s.width, s.height, 0);
  s.depth = fl_visual ? fl_visual->depth : 24;
  float h = 96, v = 96;
  Fl::screen_dpi(h, v, 0);
  s.dpi = h > 0 ? static_cast<int>(std::lround(h)) : 96;
  return s;
}

ScreenArea WorkAreaAt(int x, int y) {
  ScreenArea a;
  Fl::screen_work_area(a.x, a.y, a.w, a.h, x, y);
  return a;
}

std::string ProgramFolder() {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  std::filesystem::path folder = self.parent_path();
  // Installed, the game lives in <prefix>/bin and its files in <prefix>/share/vantello;
  // from the Debian package, in /usr/games and /usr/share/games/vantello.
  for (const char* share : {"share/vantello", "share/games/vantello"}) {
    std::filesystem::path installed = folder / ".." / share;
    if (std::filesystem::is_directory(installed, ec)) {
      folder = installed.lexically_normal();
      break;
    }
  }
  std::string name = folder.string();
  if (name.empty() || name.back() != '/') name += '/';
  return name;
}

void RunMessageLoop(const GameWindow& window) {
  while (window.Shown()) Fl::wait();
}

namespace {
int signal_pipe[2] = {-1, -1};
std::function<void()> signal_handler;

void SignalArrived(int) {
  char byte = 1;
  ssize_t ignored = write(signal_pipe[1], &byte, 1);
  (void)ignored;
}

void SignalReadable(int fd, void*) {
  char bytes[16];
  ssize_t ignored = read(fd, bytes, sizeof bytes);
  (void)ignored;
  if (signal_handler) signal_handler();
}
}  // namespace

// The signal only writes a byte to a pipe; the window's loop reads it and runs the
// handler on its own thread, where the game's state may be touched.
void OnTerminationSignal(std::function<void()> handler) {
  signal_handler = std::move(handler);
  if (signal_pipe[0] < 0 && pipe(signal_pipe) != 0) return;
  Fl::add_fd(signal_pipe[0], FL_READ, SignalReadable);
  struct sigaction action {};
  action.sa_handler = SignalArrived;
  sigemptyset(&action.sa_mask);
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
}

// ---- Timers -----------------------------------------------------------------

struct Desktop::TimerSlot {
  bool running = false;
  double interval = 0;
  std::function<void()> tick;
  Desktop* owner = nullptr;
  int id = 0;
};

namespace {

constexpr int kTimerCount = 8;

void TimerFired(void* data) {
  auto* slot = static_cast<Desktop::TimerSlot*>(data);
  if (!slot->running) return;
  Fl::repeat_timeout(slot->interval, TimerFired, data);
  auto tick = slot->tick;  // the tick may stop or restart its own timer
  tick();
}

}  // namespace

Desktop::Desktop()
    : text_(MakeTextRenderer()),
      dialogs_(MakeDialogFactory(*this, *text_)),
      timers_(std::make_unique<TimerSlot[]>(kTimerCount)) {}

Desktop::~Desktop() {
  for (int i = 0; i < kTimerCount; ++i) Stop(i);
}

uint64_t Desktop::TickMs() {
  using namespace std::chrono;
  return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

uint32_t Desktop::TimeOfDayMs() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<uint32_t>((ts.tv_sec % 86400) * 1000 + ts.tv_nsec / 1'000'000);
}

void Desktop::PumpMessages() { Fl::check(); }

void Desktop::WaitMessages(uint64_t until_ms) {
  using namespace std::chrono;
  // The time left is taken to the microsecond on TickMs's clock, so that the wait does not
  // end a fraction of a millisecond early and then spin through the rest of it.
  double left = static_cast<double>(until_ms) / 1000.0 -
                duration<double>(steady_clock::now().time_since_epoch()).count();
  if (left > 0) Fl::wait(left);
  else Fl::check();
}

void Desktop::Start(int id, int interval_ms, std::function<void()> tick) {
  if (id < 0 || id >= kTimerCount) return;
  Stop(id);
  TimerSlot& slot = timers_[id];
  slot.running = true;
  slot.interval = interval_ms / 1000.0;
  slot.tick = std::move(tick);
  slot.owner = this;
  slot.id = id;
  Fl::add_timeout(slot.interval, TimerFired, &slot);
}

void Desktop::Stop(int id) {
  if (id < 0 || id >= kTimerCount) return;
  timers_[id].running = false;
  Fl::remove_timeout(TimerFired, &timers_[id]);
}

bool Desktop::Running(int id) const { return id >= 0 && id < kTimerCount && timers_[id].running; }

// ---- Boxes ------------------------------------------------------------------

// The boxes are small dialogs of the game's own face, centred on the machine, so they
// look like the rest of the game and never open wherever the mouse happens to be.

namespace {

constexpr int kBoxPoints = 10;
constexpr int kBoxMargin = 16, kBoxGap = 10, kBoxButtonW = 80, kBoxButtonH = 26, kBoxEditH = 26;
constexpr int kBoxEditW = 320;

// A box shows its text as given, with CR LF as a line break and long lines wrapped at
// a blank, so that no box grows wider than the screen.
std::string BoxText(const std::string& text) {
  std::string out;
  size_t column = 0, last_blank = std::string::npos;
  for (char c : text) {
    if (c == '\r') continue;
    out += c;
    if (c == '\n') {
      column = 0;
      last_blank = std::string::npos;
      continue;
    }
    if (c == ' ') last_blank = out.size() - 1;
    if (++column > 70 && last_blank != std::string::npos) {
      out[last_blank] = '\n';
      column = out.size() - 1 - last_blank;
      last_blank = std::string::npos;
    }
  }
  return out;
}

}  // namespace

struct Desktop::BoxButton {
  const char* caption;  // '&' marks the letter that presses it
  ButtonKind kind;
  int key = 0;  // a key that presses it in every language, besides that letter
};

namespace {

constexpr int kIconSize = 32, kIconGap = 12;
// Room the window manager's frame keeps beside a title: the buttons at its right.
constexpr int kTitleFrameRoom = 96;

// The mark beside a box's text, as the desktop's own boxes have: a blue disc with "i"
// for information, "?" for a question, and a red one with "!" for an error.
void DrawBoxIcon(Canvas& c, int x, int y, BoxIcon icon) {
  const Color disc = icon == BoxIcon::Error ? 0xC01010 : 0x1E5AB4;
  const char* mark = icon == BoxIcon::Information ? "i" : icon == BoxIcon::Question ? "?" : "!";
  const double r = kIconSize / 2.0;
  for (int row = 0; row < kIconSize; ++row) {
    const double dy = row + 0.5 - r;
    const int half = static_cast<int>(std::lround(std::sqrt(std::max(0.0, r * r - dy * dy))));
    if (half > 0) c.Fill(x + kIconSize / 2 - half, y + row, 2 * half, 1, disc);
  }
  constexpr int kMarkPoints = 16;
  c.Text(x + (kIconSize - c.TextWidth(mark, kMarkPoints, true)) / 2,
         y + (kIconSize - c.TextHeight(kMarkPoints, true)) / 2, mark, kMarkPoints, kWhite, true);
}

}  // namespace

// Shows a box and returns the index of the button that closed it, or -1 when Escape or
// the close box did. With `answer` the box has an edit field, filled from and into it.
int Desktop::RunBox(const std::string& caption, const std::string& text, BoxIcon icon,
                    const std::vector<BoxButton>& buttons, std::string* answer, int answer_chars) {
  if (closing_) return static_cast<int>(buttons.size()) - 1;  // the last button: No, Cancel or OK
  std::string lines = BoxText(text);
  // Measured at the size the box shows it, over a machine shown larger too.
  const Scaling scaled{MachineScale()};
  fl_font(FL_HELVETICA, scaled(PointsToPixels(kBoxPoints)));
  int text_w = 0, text_h = 0;
  fl_measure(lines.c_str(), text_w, text_h, 0);
  text_w = scaled.Unscaled(text_w), text_h = scaled.Unscaled(text_h);
  text_w += 8;  // FLTK keeps a left-aligned label 3 pixels clear of either side
  // The title is shown whole on the frame, beside the frame's own buttons.
  fl_font(FL_HELVETICA_BOLD, FL_NORMAL_SIZE);
  const int title_w = scaled.Unscaled(static_cast<int>(fl_width(caption.c_str()))) + kTitleFrameRoom;
  const int icon_w = icon == BoxIcon::Blank ? 0 : kIconSize + kIconGap;
  text_h = std::max(text_h, icon == BoxIcon::Blank ? 0 : kIconSize);
  // Every button as wide as the widest caption needs, beside the return arrow.
  fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
  int button_w = kBoxButtonW;
  for (const BoxButton& b : buttons)
    button_w = std::max(button_w, scaled.Unscaled(static_cast<int>(fl_width(b.caption))) + 2 * kBoxButtonH);
  int count = static_cast<int>(buttons.size());
  int row_w = count * button_w + (count - 1) * kBoxGap;
  int w = std::max({icon_w + text_w, row_w, answer ? kBoxEditW : 0, title_w}) + 2 * kBoxMargin;
  int edit_y = kBoxMargin + (text_h > 0 ? text_h + kBoxGap : 0);
  int buttons_y = (answer ? edit_y + kBoxEditH : kBoxMargin + text_h) + kBoxMargin;
  int h = buttons_y + kBoxButtonH + kBoxMargin;

  std::unique_ptr<Dialog> box = dialogs_->NewDialog(caption, w, h, kSilver);
  if (icon != BoxIcon::Blank) {
    Canvas& surface = box->Surface();
    box->OnPaint([&surface, icon] { DrawBoxIcon(surface, kBoxMargin, kBoxMargin, icon); });
  }
  box->SetHelpTopic(box_help_topic_);
  LabelStyle style;
  style.points = kBoxPoints;
  style.wrap = true;  // the text keeps its size and its own line breaks; its room was measured
  box->AddLabel(kBoxMargin + icon_w, kBoxMargin, w - 2 * kBoxMargin - icon_w, text_h, lines, style);
  int edit = answer ? box->AddEdit(kBoxMargin, edit_y, w - 2 * kBoxMargin, kBoxEditH, *answer, false, answer_chars)
                      : -1;
  int pressed = -1;
  int x = (w - row_w) / 2;
  for (int i = 0; i < count; ++i, x += button_w + kBoxGap) {
    Dialog* d = box.get();
    const int id = box->AddButton(x, buttons_y, button_w, kBoxButtonH, buttons[i].caption, buttons[i].kind,
                                  [&pressed, i, d, edit, answer] {
                                    pressed = i;
                                    if (answer) *answer = d->Text(edit);
                                  });
    if (buttons[i].key) box->AddKey(id, buttons[i].key);
  }
  int bx, by;
  CentreOnMachine(scaled(w), scaled(h), bx, by);
  box->MoveTo(bx, by);
  box->ShowModal();
  return pressed;
}

void Desktop::Information(const std::string& text) {
  // TRANSLATORS: the title of a box that tells the player something.
  RunBox(_("Information"), text, BoxIcon::Information, {{_("OK"), ButtonKind::Ok}}, nullptr);
}

bool Desktop::Confirm(const std::string& text, Answer on_enter) {
  // With No the default, Yes answers only to a click or its letter; Escape is always No.
  const ButtonKind yes = on_enter == Answer::Yes ? ButtonKind::Ok : ButtonKind::Closes;
  const ButtonKind no = on_enter == Answer::Yes ? ButtonKind::Cancel : ButtonKind::Ok;
  // TRANSLATORS: the title of a box that asks the player a question answered Yes or No.
  return RunBox(_("Confirm"), text, BoxIcon::Question,
                // TRANSLATORS: a button of a question box; the letter after '&' (underlined) presses it.
                {{_("&Yes"), yes, 'y'},
                 // TRANSLATORS: a button of a question box; the letter after '&' (underlined) presses it.
                 {_("&No"), no, 'n'}},
                nullptr) == 0;
}

bool Desktop::AskToStop(const std::string& title, const std::string& text, const std::string& go_on,
                        const std::string& stop) {
  if (closing_) return false;  // the game is ending anyway
  return RunBox(title, text, BoxIcon::Information,
                {{go_on.c_str(), ButtonKind::Ok}, {stop.c_str(), ButtonKind::Closes}}, nullptr) == 1;
}

void Desktop::Notice(const std::string& text) {
  RunBox(game_title, text, BoxIcon::Blank, {{_("OK"), ButtonKind::Ok}}, nullptr);
}

void Desktop::Error(const std::string& text) {
  // TRANSLATORS: the title of a box that says something went wrong.
  RunBox(_("Error"), text, BoxIcon::Error, {{_("OK"), ButtonKind::Ok}}, nullptr);
}

std::optional<std::string> Desktop::Input(const std::string& caption, const std::string& prompt, int max_chars,
                                          const std::string& initial) {
  std::string answer = CutToCharacters(initial, max_chars);
  if (RunBox(caption, prompt, BoxIcon::Blank, {{_("OK"), ButtonKind::Ok}, {_("Cancel"), ButtonKind::Cancel}},
             &answer, max_chars) != 0)
    return std::nullopt;
  return CutToCharacters(answer, max_chars);
}

// ---- Help and the web ---------------------------------------------------------

void Desktop::ShowHelp(const std::string& file, const std::string& topic) {
  if (closing_) return;
  std::string name = file.empty() ? help_file_ : file;
  std::error_code ec;
  if (name.empty() || !std::filesystem::is_regular_file(name, ec)) {
    // TRANSLATORS: %1 is the manual's file.
    Information(FillIn(_("The help file %1 could not be found."), {name}));
    return;
  }
  if (!help_) help_ = std::make_unique<HelpWindow>([this] { ReturnFocus(); });
  // Big enough for a topic to show whole where the screen has the room.
  int sx, sy, sw, sh;
  Fl::screen_work_area(sx, sy, sw, sh, 0);
  const Scaling scaled{MachineScale()};
  int w = std::min(scaled(720), sw - 40), h = std::min(scaled(760), sh - 80), x, y;
  CentreOnMachine(w, h, x, y);
  help_->Show(topic.empty() ? name : name + "#" + topic, x, y, w, h, scaled.s);
}

bool Desktop::OpenUrl(const std::string& url) {
  char message[256];
  return fl_open_uri(url.c_str(), message, sizeof message) != 0;
}

TextRenderer& Desktop::Text() { return *text_; }
DialogFactory& Desktop::Dialogs() { return *dialogs_; }

// ---- The main window ------------------------------------------------------------

namespace {

// A fitted machine's window is never smaller than the smallest screen the game lays out
// for: below that its captions could no longer be read.
constexpr int kSmallestFittedW = 640, kSmallestFittedH = 480;

int GameKey(int fl_key) {
  if (fl_key == FL_Enter || fl_key == FL_KP_Enter) return 13;
  if (fl_key == ' ') return 32;
  if (fl_key >= 'a' && fl_key <= 'z') return fl_key - 'a' + 'A';
  return 0;
}

class Hotspot : public Fl_Box {
 public:
  Hotspot(int x, int y, int w, int h, std::function<void()> click)
      : Fl_Box(FL_NO_BOX, x, y, w, h, nullptr), lx(x), ly(y), lw(w), lh(h), click_(std::move(click)) {}
  int lx, ly, lw, lh;  // where it stands in the layout
  int handle(int event) override {
    switch (event) {
      case FL_PUSH: return click_ ? 1 : 0;  // a tip alone: the machine takes the click
      case FL_RELEASE:
        if (Fl::event_inside(this) && click_) click_();
        return click_ ? 1 : 0;
      case FL_ENTER:
      case FL_LEAVE: return 1;
      default: return Fl_Box::handle(event);
    }
  }

 private:
  std::function<void()> click_;
};

}  // namespace

struct GameWindow::Impl : public Fl_Window {
  Impl(const std::string& title, int w, int h, TextRenderer& text)
      : Fl_Window(w, h), canvas(w, h, &text) {
    copy_label(title.c_str());
    color(FL_BLACK);
    end();
    callback(WindowCallback, this);
    canvas.OnDamage([this](int x, int y, int cw, int ch) {
      if (!fitted) return damage(FL_DAMAGE_USER1, x, y, cw, ch);
      // Each changed block is brought down on its own: a spin step changes nine wheel
      // windows and a lamp, far less than the box around them all.
      Block b;
      WindowBlockOf(fit, x, y, cw, ch, b.x, b.y, b.w, b.h);
      // A hidden window draws nothing; past a screenful of blocks, show the whole instead.
      if (pending.size() < 64) pending.push_back(b);
      else many_pending = true;
      damage(FL_DAMAGE_USER1, b.x, b.y, b.w, b.h);
    });
  }

  // Works out the fit for the window's size, composes at its scale and puts the
  // hotspots over the pictures they belong to.
  void Refit() {
    fit = platform::FitPicture(canvas.Width(), canvas.Height(), w(), h());
    for (Hotspot* spot : hotspots) {
      int x, y, sw, sh;
      WindowBlockOf(fit, spot->lx, spot->ly, spot->lw, spot->lh, x, y, sw, sh);
      spot->resize(x, y, sw, sh);
    }
    Recompose();
  }

  // Below its own size the machine is composed at the size it is shown, so that its texts
  // are drawn at that size rather than shrunk with the pictures; the game draws it all again.
  void Recompose() {
    const int was_w = canvas.Composed().Width(), was_h = canvas.Composed().Height();
    const bool smaller = fit.shown_w < canvas.Width() || fit.shown_h < canvas.Height();
    if (smaller && fit.shown_w > 0 && fit.shown_h > 0) canvas.ComposeReduced(fit.shown_w, fit.shown_h);
    else canvas.SetComposeScale(compose_scale);
    if ((canvas.Composed().Width() != was_w || canvas.Composed().Height() != was_h) && handlers.resized)
      handlers.resized();
  }

  // The picture composed at the size it is shown, centred in the window, straight from
  // the canvas; black beside it.
  void DrawOneToOne(int x, int y, int w, int h) {
    const Bitmap& px = canvas.Composed();
    const int left = fit.left, top = fit.top, right = left + px.Width(), bottom = top + px.Height();
    if (x < left) fl_rectf(x, y, left - x, h, FL_BLACK);
    if (x + w > right) fl_rectf(right, y, x + w - right, h, FL_BLACK);
    if (y < top) fl_rectf(x, y, w, top - y, FL_BLACK);
    if (y + h > bottom) fl_rectf(x, bottom, w, y + h - bottom, FL_BLACK);
    const int x0 = std::max(x, left), y0 = std::max(y, top);
    const int x1 = std::min(x + w, right), y1 = std::min(y + h, bottom);
    if (x1 > x0 && y1 > y0) ShowPixels(px, x0 - left, y0 - top, x0, y0, x1 - x0, y1 - y0);
  }

  void DrawFitted(int x, int y, int w, int h) {
    x = std::max(0, x), y = std::max(0, y);
    w = std::min(w, this->w() - x), h = std::min(h, this->h() - y);
    if (w <= 0 || h <= 0) return;
    // In strips, so that a whole 4K screen never needs a second picture of its size.
    constexpr int kStrip = 64;
    for (int top = y; top < y + h; top += kStrip) {
      int rows = std::min(kStrip, y + h - top);
      ShowComposed(fit, canvas.Composed(), canvas.ComposeScale(), x, top, w, rows, block);
      ShowPixels(block, 0, 0, x, top, w, rows);
    }
  }

  static void WindowCallback(Fl_Widget*, void* data) {
    auto* self = static_cast<Impl*>(data);
    // Escape does not close the machine.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    if (self->handlers.close) self->handlers.close();
  }

  void draw() override {
    int x, y, w, h;
    fl_clip_box(0, 0, this->w(), this->h(), x, y, w, h);
    // Composed at the size it is shown, the picture is shown pixel for pixel as drawn.
    if (!fitted) {
      DrawCanvas(canvas, x, y, w, h);
    } else if (canvas.Composed().Width() == fit.shown_w && canvas.Composed().Height() == fit.shown_h) {
      DrawOneToOne(x, y, w, h);
    } else if (damage() == FL_DAMAGE_USER1 && !many_pending) {
      for (const Block& b : pending) DrawFitted(b.x, b.y, b.w, b.h);
    } else {
      DrawFitted(x, y, w, h);
    }
    pending.clear();
    many_pending = false;
    draw_children();
    if (!painted) {
      painted = true;
      ReportFirstPaint();
    }
  }

  // For the start-up benchmark: with VANTELLO_REPORT_FIRST_PAINT set, the moment of the
  // first painted machine (wall clock, ms) and the resident memory go to standard error;
  // "exit" as its value ends the program there.
  static void ReportFirstPaint() {
    const char* report = getenv("VANTELLO_REPORT_FIRST_PAINT");
    if (!report) return;
    XSync(fl_display, False);
    timeval tv{};
    gettimeofday(&tv, nullptr);
    long rss_kb = 0;
    if (FILE* f = fopen("/proc/self/status", "r")) {
      char line[256];
      while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmRSS: %ld kB", &rss_kb) == 1) break;
      fclose(f);
    }
    fprintf(stderr, "first-paint-ms=%lld rss-kb=%ld\n",
            static_cast<long long>(tv.tv_sec) * 1000 + tv.tv_usec / 1000, rss_kb);
    if (std::string(report) == "exit") _exit(0);
  }

  bool painted = false;

  int handle(int event) override {
    switch (event) {
      case FL_FOCUS:
      case FL_UNFOCUS: return 1;
      case FL_KEYDOWN:
      case FL_SHORTCUT: {
        if (Fl::event_key() == FL_F + 1) {
          if (handlers.help) handlers.help();
          return 1;
        }
        if (Fl::event_key() == FL_F + 11 && fitted) {
          if (event == FL_KEYDOWN) ToggleFullScreen();
          return 1;
        }
        const bool menu_key = Fl::event_key() == FL_Menu ||
                              (Fl::event_key() == FL_F + 10 && Fl::event_state(FL_SHIFT));
        if (menu_key) {
          if (event == FL_KEYDOWN && handlers.menu) handlers.menu(false);
          return 1;
        }
        int key = GameKey(Fl::event_key());
        if (key && event == FL_KEYDOWN && handlers.key_down) {
          handlers.key_down(key);
          return 1;
        }
        break;
      }
      case FL_PUSH: {
        if (Fl::event_button() == FL_RIGHT_MOUSE) {
          if (handlers.menu) handlers.menu(true);
          return 1;
        }
        if (Fl_Window::handle(event)) return 1;  // a hotspot took it
        int x = Fl::event_x(), y = Fl::event_y();
        if (fitted && !LayoutPointOf(fit, x, y, x, y)) return 1;  // the black around the picture
        if (handlers.mouse_down) handlers.mouse_down(x, y);
        return 1;
      }
      default: break;
    }
    return Fl_Window::handle(event);
  }

  void resize(int x, int y, int w, int h) override {
    bool grew = w != this->w() || h != this->h();
    Fl_Window::resize(x, y, w, h);
    if (grew && fitted) {
      // FLTK pins a window with no resizable part to any size the program gives it (a
      // restored place, a maximised start); a fitted machine goes with any size.
      size_range(kSmallestFittedW, kSmallestFittedH);
      Refit();
      redraw();
    } else if (grew) {
      canvas.Resize(w, h);
      if (handlers.resized) handlers.resized();
      redraw();
    }
  }

  void ToggleFullScreen() {
    if (fullscreen_active()) fullscreen_off();
    else fullscreen();
  }

  Canvas canvas;
  Handlers handlers;
  std::vector<Hotspot*> hotspots;
  bool fitted = false;
  int compose_scale = 1;  // for a window the machine's own size or larger
  PictureFit fit;
  Bitmap block;  // the block of the window being shown, kept between frames
  struct Block {
    int x, y, w, h;
  };
  std::vector<Block> pending;  // changed since the last drawing, in the window's pixels
  bool many_pending = false;
};

GameWindow::GameWindow(const std::string& title, int width, int height, TextRenderer& text)
    : impl_(std::make_unique<Impl>(title, width, height, text)) {}

GameWindow::~GameWindow() = default;

Canvas& GameWindow::Surface() { return impl_->canvas; }
void GameWindow::SetHandlers(Handlers handlers) { impl_->handlers = std::move(handlers); }

int GameWindow::AddHotspot(int x, int y, int w, int h, const std::string& tooltip,
                           std::function<void()> click) {
  impl_->begin();
  auto* spot = new Hotspot(x, y, w, h, std::move(click));
  impl_->end();
  spot->copy_tooltip(tooltip.c_str());
  impl_->hotspots.push_back(spot);
  if (impl_->fitted) impl_->Refit();
  return static_cast<int>(impl_->hotspots.size()) - 1;
}

void GameWindow::SetHotspotTooltip(int id, const std::string& tooltip) {
  if (id >= 0 && id < static_cast<int>(impl_->hotspots.size()))
    impl_->hotspots[id]->copy_tooltip(tooltip.c_str());
}

namespace {
// "F11" or "R" as FLTK's key code, so that the menu shows it and answers to it.
int MenuKey(const std::string& key) {
  if (key.size() > 1 && key[0] == 'F') return FL_F + std::atoi(key.c_str() + 1);
  if (key.size() == 1) return std::tolower(static_cast<unsigned char>(key[0]));
  return 0;
}
}  // namespace

int GameWindow::PopupMenu(const std::vector<MenuItem>& items, bool at_mouse) {
  std::vector<Fl_Menu_Item> menu(items.size() + 1);  // ends with an empty item
  // A line shows its caption as written, whatever a language's captions hold.
  std::vector<std::string> texts;
  for (const MenuItem& item : items) texts.push_back(PlainLabel(item.caption));
  for (size_t i = 0; i < items.size(); ++i) {
    menu[i] = Fl_Menu_Item{};
    menu[i].text = texts[i].c_str();
    menu[i].shortcut_ = MenuKey(items[i].key);
    menu[i].flags = items[i].ends_group ? FL_MENU_DIVIDER : 0;
    // The desktop's size, never the machine's scale: a menu is read, not looked at.
    menu[i].labelsize_ = FL_NORMAL_SIZE;
  }
  menu.back() = Fl_Menu_Item{};
  int x = Fl::event_x(), y = Fl::event_y();
  if (!at_mouse) x = y = 8;  // from the keyboard: at the machine's top left corner
  // FLTK lets a menu that does not fit below the pointer run off the screen: it opens
  // higher instead, as high as it must.
  fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
  const int menu_h = static_cast<int>(items.size()) * (fl_height() + 4) + 8;
  int sx, sy, sw, sh;
  Fl::screen_work_area(sx, sy, sw, sh, impl_->x() + x, impl_->y() + y);
  y = std::max(sy - impl_->y(), std::min(y, sy + sh - impl_->y() - menu_h));
  Fl_Group::current(nullptr);
  const Fl_Menu_Item* chosen = menu[0].popup(x, y);
  return chosen ? static_cast<int>(chosen - menu.data()) : -1;
}

void GameWindow::ToggleFullScreen() {
  if (impl_->fitted) impl_->ToggleFullScreen();
}

void GameWindow::SetTooltipDelay(double seconds) {
  Fl_Tooltip::delay(static_cast<float>(seconds));
  Fl_Tooltip::hoverdelay(static_cast<float>(seconds));
}

void GameWindow::Place(int x, int y, int w, int h) {
  impl_->resize(x, y, w, h);
  // The layouts of the small screens have one size; a fitted picture keeps any (resize).
  if (!impl_->fitted) impl_->size_range(w, h, w, h);
}

void GameWindow::SetTitle(const std::string& title) {
  const char* now = impl_->label();
  if (!now || title != now) impl_->copy_label(title.c_str());
}

void GameWindow::Maximize() {
  int x, y, w, h;
  Fl::screen_work_area(x, y, w, h, 0);
  Place(x, y, w, h);
}

void GameWindow::FitPicture(int layout_w, int layout_h, int compose_scale) {
  Impl& win = *impl_;
  win.fitted = true;
  win.canvas.Resize(layout_w, layout_h);
  win.compose_scale = compose_scale;
  win.canvas.SetComposeScale(compose_scale);
  win.size_range(kSmallestFittedW, kSmallestFittedH);
  win.Refit();
  win.redraw();
}

bool GameWindow::Fitted() const { return impl_->fitted; }

double GameWindow::Scale() const { return impl_->fitted ? impl_->fit.scale : 1.0; }

GameWindow::Placement GameWindow::Where() const {
  const Impl& win = *impl_;
  Placement p{win.x(), win.y(), win.w(), win.h(), win.fullscreen_active() != 0};
  // Full screen, the size to come back to is the one before it.
  if (p.full_screen) p.w = 0, p.h = 0;
  return p;
}

void GameWindow::Restore(const Placement& where) {
  Impl& win = *impl_;
  if (where.w >= 320 && where.h >= 240) win.resize(where.x, where.y, where.w, where.h);
  if (where.full_screen) win.fullscreen();
}

void GameWindow::Show() {
  impl_->show();
  impl_->take_focus();
}

void GameWindow::Hide() { impl_->hide(); }
bool GameWindow::Shown() const { return impl_->shown() != 0; }

// ---- Where windows open and who has the keyboard ----------------------------------

// The windows over the machine grow with it but never shrink below their own size: a
// figure cut short by its box would read as another number.
double Desktop::MachineScale() const { return machine_ ? std::max(1.0, machine_->Scale()) : 1.0; }

void Desktop::CentreOnMachine(int w, int h, int& x, int& y) const {
  int sx, sy, sw, sh;
  Fl::screen_work_area(sx, sy, sw, sh, 0);
  int mx = sx, my = sy, mw = sw, mh = sh;
  if (machine_) {
    const Fl_Window& m = *machine_->impl_;
    mx = m.x(), my = m.y(), mw = m.w(), mh = m.h();
    Fl::screen_work_area(sx, sy, sw, sh, mx + mw / 2, my + mh / 2);
  }
  x = std::clamp(mx + (mw - w) / 2, sx, std::max(sx, sx + sw - w));
  y = std::clamp(my + (mh - h) / 2, sy, std::max(sy, sy + sh - h));
}

void GiveKeyboard(Fl_Window& window) {
  if (!window.shown() || !window.visible()) return;
  XSync(fl_display, False);
  XWindowAttributes attributes;
  // A window manager maps a new window in its own time, and then focuses it itself.
  if (!XGetWindowAttributes(fl_display, fl_xid(&window), &attributes) || attributes.map_state != IsViewable)
    return;
  XSetInputFocus(fl_display, fl_xid(&window), RevertToParent, CurrentTime);
  window.take_focus();
}

void Desktop::CloseWindowsOverMachine() {
  closing_ = true;
  // An open popup menu holds the pointer and runs its own loop, which only a choice or
  // Escape ends: it is given the Escape.
  if (Fl_Window* menu = Fl::grab()) {
    static char escape[] = "\033";
    Fl::e_keysym = FL_Escape;
    Fl::e_text = escape;
    Fl::e_length = 1;
    Fl::e_state = 0;
    Fl::handle(FL_KEYBOARD, menu);
  }
  std::vector<Fl_Window*> open;
  for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w))
    if (!machine_ || w != machine_->impl_.get()) open.push_back(w);
  for (Fl_Window* w : open) w->hide();
}

void Desktop::ReturnFocus() {
  Fl_Window* to = Fl::modal();
  if (!to && machine_) to = machine_->impl_.get();
  if (to) GiveKeyboard(*to);
}

}  // namespace platform::fltk
