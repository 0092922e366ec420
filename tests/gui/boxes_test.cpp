// The game's boxes under X: each text fits its box, the box opens centred on the
// machine, and the button pressed is the answer the game gets.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Help_View.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <cstring>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/fltk/desktop.h"
#include "platform/fltk/help_window.h"

namespace {

// What the open box showed, read while it waits for the player.
struct Seen {
  bool opened = false;
  std::string title;
  int x = 0, y = 0, w = 0, h = 0;
  std::vector<std::string> buttons;
  std::vector<std::string> misfits;
  int blue_marks = 0;  // pixels of the blue disc beside the text
};

// Runs inside the box's own loop: reads the box, then lets `answer` press something.
class BoxReader {
 public:
  explicit BoxReader(std::function<void(Fl_Window&)> answer) : answer_(std::move(answer)) {
    Fl::add_timeout(0.2, Read, this);
  }
  ~BoxReader() { Fl::remove_timeout(Read, this); }
  Seen seen;

 private:
  static void Read(void* data) {
    auto* self = static_cast<BoxReader*>(data);
    Fl_Window* box = Fl::modal();
    if (!box) return Fl::repeat_timeout(0.1, Read, data);
    Seen& s = self->seen;
    s.opened = true;
    s.title = box->label() ? box->label() : "";
    s.x = box->x(), s.y = box->y(), s.w = box->w(), s.h = box->h();
    for (int i = 0; i < box->children(); ++i) {
      Fl_Widget& c = *box->child(i);
      if (c.x() < 0 || c.y() < 0 || c.x() + c.w() > box->w() || c.y() + c.h() > box->h())
        s.misfits.push_back("control outside the box");
      if (!c.label() || !*c.label()) continue;
      if (dynamic_cast<Fl_Button*>(&c)) s.buttons.push_back(c.label());
      // The message keeps the dialogs' plain 13-pixel face: squeezed would mean its room was short.
      else if (c.labelfont() != FL_HELVETICA || c.labelsize() != 13)
        s.misfits.push_back(std::string(c.label()) + " (squeezed)");
      int tw = 0, th = 0;
      fl_font(c.labelfont(), c.labelsize());
      fl_measure(c.label(), tw, th, 0);
      // A left-aligned label keeps 3 pixels clear of either side.
      if (tw + 6 > c.w() || th > c.h()) s.misfits.push_back(c.label());
    }
    int tw = 0, th = 0;
    fl_font(FL_HELVETICA_BOLD, FL_NORMAL_SIZE);
    fl_measure(s.title.c_str(), tw, th, 0);
    // The frame's own buttons take about 64 pixels beside the title.
    if (tw + 64 > s.w) s.misfits.push_back("title " + s.title + " cut");
    box->make_current();
    constexpr int kMark = 32;
    if (uchar* px = fl_read_image(nullptr, 16, 16, kMark, kMark)) {
      for (int i = 0; i < kMark * kMark; ++i)
        if (px[3 * i] < 80 && px[3 * i + 2] > 150) ++s.blue_marks;
      delete[] px;
    }
    self->answer_(*box);
  }

  std::function<void(Fl_Window&)> answer_;
};

void Press(Fl_Window& box, const std::string& caption) {
  for (int i = 0; i < box.children(); ++i) {
    auto* b = dynamic_cast<Fl_Button*>(box.child(i));
    if (b && b->label() && caption == b->label()) return b->do_callback();
  }
  ADD_FAILURE() << "no button " << caption;
  box.do_callback();
}

void Type(Fl_Window& box, const char* text) {
  for (int i = 0; i < box.children(); ++i)
    if (auto* input = dynamic_cast<Fl_Input*>(box.child(i))) input->value(text);
}

// A key as the player presses it, sent where FLTK sends it.
void Key(Fl_Window& box, int key, const char* text) {
  static char typed[8];  // FLTK may swap the case of a letter in place
  snprintf(typed, sizeof typed, "%s", text);
  Fl::e_keysym = key;
  Fl::e_text = typed;
  Fl::e_length = static_cast<int>(strlen(text));
  Fl::e_state = 0;
  Fl::handle(FL_KEYBOARD, &box);
  // A key no button took leaves the box up: close it, so the test can go on.
  if (box.shown()) {
    ADD_FAILURE() << "no button answered the key";
    box.do_callback();
  }
}
void Enter(Fl_Window& box) { Key(box, FL_Enter, "\r"); }
void PressY(Fl_Window& box) { Key(box, 'y', "y"); }
void Space(Fl_Window& box) { Key(box, ' ', " "); }
void Escape(Fl_Window& box) { Key(box, FL_Escape, "\033"); }

class Boxes : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::fltk::OpenDisplay("Vantello"); }
  void SetUp() override {
    machine.Place(100, 50, 612, 393);
    desktop.SetMachineWindow(machine);
  }
  void ExpectCentredAndFitting(const Seen& s) {
    ASSERT_TRUE(s.opened) << "the box did not open";
    EXPECT_NEAR(s.x + s.w / 2, 100 + 612 / 2, 1) << s.title;
    EXPECT_NEAR(s.y + s.h / 2, 50 + 393 / 2, 1) << s.title;
    EXPECT_TRUE(s.misfits.empty()) << s.title << ": " << s.misfits.front();
  }
  platform::fltk::Desktop desktop;
  platform::fltk::GameWindow machine{"Vantello", 612, 393, desktop.Text()};
};

// Each box with each way to answer it: what the game gets back, the title (when it has
// one of its own) and the buttons (when fixed).
TEST_F(Boxes, EachBoxOpensCentredAndGivesBackTheButtonPressed) {
  const std::string summary =
      "Line 1 paid 16 credits for three Oranges. Line 5 paid 40 credits for three Plums. "
      "The Bell Pool holds 120 credits and two Cherry Rolls are waiting.\r\nTotal paid: 56 credits.";
  auto confirm = [&] {
    return desktop.Confirm("Start a New Game?", platform::Answer::No) ? "yes" : "no";
  };
  auto confirm_yes = [&] {
    return desktop.Confirm("A game was found. Open it?", platform::Answer::Yes) ? "yes" : "no";
  };
  auto input = [&](const char* prompt, const char* message = "") {
    return [=, this] { return desktop.Input(prompt, message, 30, "GameNo1").value_or("(cancelled)"); };
  };
  auto press = [](const char* caption) { return [caption](Fl_Window& box) { Press(box, caption); }; };
  auto type = [](const char* then) { return [then](Fl_Window& box) { Type(box, "Lucky"); Press(box, then); }; };
  struct Case {
    std::function<std::string()> ask;
    std::function<void(Fl_Window&)> answer;
    std::string result, title;
    std::vector<std::string> buttons;
    bool marked = true;  // a blue disc beside the text
  };
  auto remind = [&] {
    return desktop.AskToStop("Vantello", "You have played for 1:00; your net result is +120 credits.", "Continue",
                             "Save and Exit") ? "stop" : "go on";
  };
  const Case cases[] = {
      {remind, Enter, "go on", "Vantello", {"Continue", "Save and Exit"}},
      {remind, press("Save and Exit"), "stop", "", {}},
      {remind, Escape, "go on", "", {}},
      {[&] { desktop.Information(summary); return ""; }, press("OK"), "", "Information", {"OK"}},
      {[&] { desktop.Information("Vantello Version 1.0"); return ""; }, Enter, "", "Information", {"OK"}},
      {[&] { desktop.Notice(summary); return ""; }, press("OK"), "", "Vantello", {"OK"}, false},
      {confirm, press("&Yes"), "yes", "Confirm", {"&Yes", "&No"}},
      {confirm, press("&No"), "no", "", {"&Yes", "&No"}},
      // A stray Enter must not start a New Game over the player's game.
      {confirm, Enter, "no", "", {"&Yes", "&No"}},
      {confirm, Escape, "no", "", {"&Yes", "&No"}},
      {confirm, Space, "no", "", {"&Yes", "&No"}},
      {confirm, PressY, "yes", "", {"&Yes", "&No"}},
      {confirm_yes, Enter, "yes", "", {"&Yes", "&No"}},
      {confirm_yes, Escape, "no", "", {"&Yes", "&No"}},
      {input("Name for this saved game?"), type("OK"), "Lucky", "Name for this saved game?", {}, false},
      {input("Name for this saved game?"), type("Cancel"), "(cancelled)", "", {}, false},
      {input("Name", "Your name, please:"), Escape, "(cancelled)", "", {}, false},
  };
  for (const Case& c : cases) {
    BoxReader reader(c.answer);
    EXPECT_EQ(c.ask(), c.result);
    ExpectCentredAndFitting(reader.seen);
    if (!c.title.empty()) {
      EXPECT_EQ(reader.seen.title, c.title);
    }
    if (!c.buttons.empty()) {
      EXPECT_EQ(reader.seen.buttons, c.buttons);
    }
    if (c.marked) {
      EXPECT_GT(reader.seen.blue_marks, 300) << reader.seen.title << ": no mark beside the text";
    } else {
      EXPECT_EQ(reader.seen.blue_marks, 0) << reader.seen.title;
    }
  }
}

// The manual's Back and Forward walk the pages as they were seen, and Back is off with
// nowhere to go back to.
TEST(Manual, BackAndForwardWalkThePagesSeen) {
  platform::fltk::OpenDisplay("Vantello");
  // Each topic starts with a link to the other, so the view's top left corner is a link.
  const std::string file = ::testing::TempDir() + "vantello-manual-test.html";
  std::string html = "<html><body><a name=\"contents\"></a><a href=\"#pool\">The Bell Pool</a>";
  for (int i = 0; i < 200; ++i) html += "<p>Contents line " + std::to_string(i) + "</p>";
  html += "<a name=\"pool\"></a><a href=\"#contents\">Contents</a>";
  for (int i = 0; i < 200; ++i) html += "<p>Pool line " + std::to_string(i) + "</p>";
  html += "</body></html>";
  FILE* f = std::fopen(file.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fputs(html.c_str(), f);
  std::fclose(f);

  platform::fltk::HelpWindow help(nullptr);
  help.Show(file + "#contents", 0, 0, 600, 400, 1.0);
  Fl_Window* window = Fl::first_window();
  ASSERT_NE(window, nullptr);
  Fl_Help_View* view = nullptr;
  std::vector<Fl_Button*> buttons;
  for (int i = 0; i < window->children(); ++i) {
    if (auto* v = dynamic_cast<Fl_Help_View*>(window->child(i))) view = v;
    if (auto* b = dynamic_cast<Fl_Button*>(window->child(i))) buttons.push_back(b);
  }
  ASSERT_TRUE(view && buttons.size() == 4);
  Fl_Button& back = *buttons[0];
  Fl_Button& forward = *buttons[1];
  for (int i = 0; i < 10; ++i) Fl::wait(0.05);
  auto click_top_link = [&] {
    Fl::e_x = view->x() + 12, Fl::e_y = view->y() + 10;
    Fl::e_x_root = window->x() + Fl::e_x, Fl::e_y_root = window->y() + Fl::e_y;
    Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
    Fl::e_state = FL_BUTTON1;
    static_cast<Fl_Widget*>(view)->handle(FL_PUSH);  // as FLTK hands it the click
    Fl::e_state = 0;
    Fl::e_is_click = 1;
    static_cast<Fl_Widget*>(view)->handle(FL_RELEASE);
    Fl::wait(0.05);
  };
  EXPECT_FALSE(back.active()) << "nowhere to go back to";
  click_top_link();  // to the Bell Pool
  const int pool = view->topline();
  ASSERT_GT(pool, 0) << "the link was not followed";
  click_top_link();  // back to Contents by its link
  EXPECT_EQ(view->topline(), 0);
  back.do_callback();
  EXPECT_EQ(view->topline(), pool) << "Back shows the page before, the Bell Pool";
  back.do_callback();
  EXPECT_EQ(view->topline(), 0);
  EXPECT_FALSE(back.active()) << "nowhere to go back to";
  forward.do_callback();
  EXPECT_EQ(view->topline(), pool);
  EXPECT_TRUE(back.active());
  std::remove(file.c_str());
}

}  // namespace
