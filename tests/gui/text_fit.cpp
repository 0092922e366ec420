// Every text of the machine's window and of the dialogs, measured with the window's own
// fonts under X, keeps inside its box and clear of its neighbours and of the window's edge,
// in the player's language (run once for English and once under each language's locale).
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "dialogs/borrow.h"
#include "dialogs/card_table.h"
#include "dialogs/meters_window.h"
#include "dialogs/paychart.h"
#include "dialogs/recall_window.h"
#include "dialogs/session_chart.h"
#include "dialogs/settings_window.h"
#include "dialogs/slot_dialog.h"
#include "persistence/saved_game.h"
#include "dialogs/stats.h"
#include "dialogs/web_site.h"
#include "platform/fltk/desktop.h"
#include "platform/fltk/fltk_parts.h"
#include "platform/picture_fit.h"
#include "platform/profile_file.h"
#include "rules/width_class.h"
#include "tests/test_machine.h"
#include "view/builtin_pictures.h"
#include "platform/words.h"

namespace {

// Texts on the same line keep at least a space's width of air between them.
constexpr int kGap = 4;

struct Box {
  int x, y, w, h;
  std::string what;
  int points = 0;  // a text's, as drawn
  bool Meets(const Box& o, int gap = 0) const {
    return x < o.x + o.w + gap && o.x < x + w + gap && y < o.y + o.h && o.y < y + h;
  }
  bool Inside(const Box& o, int margin) const {
    return x >= o.x + margin && x + w <= o.x + o.w - margin && y >= o.y && y + h <= o.y + o.h;
  }
};

std::ostream& operator<<(std::ostream& out, const Box& b) {
  return out << '"' << b.what << "\" at " << b.x << ',' << b.y << " size " << b.w << 'x' << b.h;
}

// Notes where each text and each picture went, texts measured by the real renderer at
// the size they are drawn (the compose scale's, or the window's below the layout's size),
// in the layout's pixels.
class MeasuringCanvas : public platform::Canvas {
 public:
  MeasuringCanvas(int w, int h, platform::TextRenderer* r) : Canvas(w, h, r), r_(*r) {}
  int DrawnWidth(std::string_view text, int points, bool bold, bool condensed) {
    const int p = DrawnPoints(points);
    const int w = condensed ? r_.CondensedWidth(text, p, bold) : r_.Width(text, p, bold);
    const int composed = Composed().Width();
    return (w * Width() + composed - 1) / composed;
  }
  void Blit(const platform::Bitmap& src, int sx, int sy, int w, int h, int dx, int dy,
            platform::RasterOp op) override {
    pictures.push_back({dx, dy, w, h, "picture"});
    Canvas::Blit(src, sx, sy, w, h, dx, dy, op);
  }
  void Text(int x, int y, std::string_view text, int points, platform::Color c, bool bold) override {
    texts.push_back(
        {x, y, DrawnWidth(text, points, bold, false), TextHeight(points, bold), std::string(text), DrawnPoints(points)});
    Canvas::Text(x, y, text, points, c, bold);
  }
  void FittedText(int x, int y, std::string_view text, platform::TextFit fit, platform::Color c,
                  bool bold) override {
    if (!fit.condensed) return Canvas::FittedText(x, y, text, fit, c, bold);
    texts.push_back({x, y, DrawnWidth(text, fit.points, bold, true), TextHeight(fit.points, bold), std::string(text),
                     DrawnPoints(fit.points)});
    Canvas::FittedText(x, y, text, fit, c, bold);
  }
  std::vector<Box> pictures, texts;

 private:
  platform::TextRenderer& r_;
};

class TextFit : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    platform::UsePlayersLanguage(VANTELLO_PROGRAM_DIR);
    platform::fltk::OpenDisplay("Vantello");
  }
};

// Run for a language, the texts really are that language's: a locale or catalogue that
// went missing would measure the English again and pass.
TEST_F(TextFit, TheTextsAreInTheLanguageAskedFor) {
  const char* expected = std::getenv("VANTELLO_EXPECT_LANGUAGE");
  if (!expected || !*expected) GTEST_SKIP() << "English";
  const std::vector<std::string> languages = platform::PlayersLanguages();
  ASSERT_FALSE(languages.empty()) << "no locale for " << expected;
  EXPECT_EQ(languages.back(), expected);
  EXPECT_STRNE(_("Load Game"), "Load Game") << "no catalogue for " << expected;
}

// ---- The machine's window, at the three width classes ----

class MachineTextFit : public TextFit, public ::testing::WithParamInterface<std::pair<int, int>> {};

// The machine drawn for a window of width x height on a screen as wide: from 1000 wide the
// large layout is composed at the window's scale, below the layout's size at the window's
// own size, as the window does. What each text and picture did is in `texts` and `pictures`.
struct DrawnMachine {
  std::unique_ptr<platform::TextRenderer> text = platform::fltk::MakeTextRenderer();
  std::unique_ptr<MeasuringCanvas> canvas;
  std::unique_ptr<testing_support::TestForm> form;
  DrawnMachine(int width, int height) {
    const bool large = width >= rules::kLargeScreenWidth;
    canvas = std::make_unique<MeasuringCanvas>(large ? rules::kLargeLayoutWidth : width - 10,
                                               large ? rules::kLargeLayoutHeight : height, text.get());
    if (large) {
      const platform::PictureFit fit =
          platform::FitPicture(rules::kLargeLayoutWidth, rules::kLargeLayoutHeight, width, height);
      if (fit.shown_h < rules::kLargeLayoutHeight) canvas->ComposeReduced(fit.shown_w, fit.shown_h);
      else canvas->SetComposeScale(fit.ComposeScale());
    }
    form = std::make_unique<testing_support::TestForm>(width, height, canvas.get(), view::BuiltinPicture);
  }
};

TEST_P(MachineTextFit, EveryCaptionAndLabelFitsItsPlace) {
  const auto [width, height] = GetParam();
  DrawnMachine drawn(width, height);
  MeasuringCanvas& canvas = *drawn.canvas;
  const testing_support::FakeShell& shell = drawn.form->shell;

  // The command buttons are the hot spots with a click of their own.
  std::vector<Box> buttons;
  for (const auto& s : shell.spots)
    if (s.click && !s.tooltip.empty()) buttons.push_back({s.x, s.y, s.w, s.h, s.tooltip});
  ASSERT_EQ(buttons.size(), 14u);
  ASSERT_GE(canvas.texts.size(), 14u + 7u);

  for (const Box& t : canvas.texts) {
    SCOPED_TRACE(::testing::Message() << t);
    EXPECT_GE(t.x, 0);
    EXPECT_LE(t.x + t.w, canvas.Width()) << "runs past the window's edge";
    auto on = std::find_if(buttons.begin(), buttons.end(),
                           [&](const Box& b) { return b.Meets({t.x + t.w / 2, t.y + t.h / 2, 1, 1, ""}); });
    if (on != buttons.end()) {
      // A caption stays off its button's bevel, 3 pixels at each side, with air between.
      EXPECT_TRUE(t.Inside(*on, 4)) << "touches the bevel of its button " << *on;
      continue;
    }
    for (const Box& p : canvas.pictures) EXPECT_FALSE(t.Meets(p)) << "runs into a picture at " << p;
    for (const Box& o : canvas.texts) {
      if (&o == &t) continue;
      EXPECT_FALSE(t.Meets(o, kGap)) << "runs into " << o;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(WidthClasses, MachineTextFit,
                         ::testing::Values(std::pair{640, 480}, std::pair{800, 600}, std::pair{1024, 768},
                                           std::pair{1920, 1080}, std::pair{3840, 2160}));

// Windows that show the large machine below its own size: a maximised one on 1366x768 and
// 1280x720 screens under a desktop's panel and title bar, and the smallest window allowed.
INSTANTIATE_TEST_SUITE_P(BelowItsOwnSize, MachineTextFit,
                         ::testing::Values(std::pair{1366, 738}, std::pair{1280, 690}, std::pair{1024, 740},
                                           std::pair{1024, 640}));

// Below its own size the machine's texts are drawn at the size they are shown, and none
// reads smaller than the same text on an 800x600 screen.
TEST_F(TextFit, BelowItsOwnSizeNoTextIsSmallerThanAt800x600) {
  DrawnMachine small(800, 600);
  for (const auto& [width, height] : {std::pair{1366, 738}, std::pair{1280, 690}, std::pair{1024, 740}}) {
    DrawnMachine drawn(width, height);
    ASSERT_TRUE(drawn.canvas->Reduced()) << width << 'x' << height;
    for (const Box& t : drawn.canvas->texts) {
      auto same = std::find_if(small.canvas->texts.begin(), small.canvas->texts.end(),
                               [&](const Box& s) { return s.what == t.what; });
      if (same == small.canvas->texts.end()) continue;
      EXPECT_GE(t.points, same->points) << t << " in a " << width << 'x' << height << " window";
    }
  }
}

// ---- The dialogs, as FLTK lays out their widgets ----

// Where FLTK draws the text of a widget's label, and the room it has for it.
struct Label {
  Box text;
  Box room;
};

Label LabelOf(Fl_Widget& w) {
  // Blanks that pad a figure to its column leave no ink.
  std::string shown = platform::fltk::ShownLabel(w.label());
  shown.erase(0, std::min(shown.find_first_not_of(' '), shown.size()));
  shown.erase(shown.find_last_not_of(' ') + 1);
  fl_font(w.labelfont(), w.labelsize());
  const int tw = static_cast<int>(fl_width(shown.c_str()) + 0.5), th = fl_height();
  Box room{w.x() + Fl::box_dx(w.box()), w.y(), w.w() - Fl::box_dw(w.box()), w.h(), shown};
  if (auto* light = dynamic_cast<Fl_Light_Button*>(&w)) {
    // The round mark and its margins come before the text.
    int skip = light->labelsize() + 2 * (Fl::box_dx(w.box()) + 2);
    room.x += skip, room.w -= skip;
  } else if (dynamic_cast<Fl_Return_Button*>(&w)) {
    room.w -= std::min(w.h(), w.w() / 3);  // the Enter arrow
  }
  if (dynamic_cast<Fl_Button*>(&w) && w.image() && !shown.empty()) {
    room.x += w.image()->w(), room.w -= w.image()->w();
  }
  if (room.w > 11 && (w.align() & (FL_ALIGN_LEFT | FL_ALIGN_RIGHT))) room.x += 3, room.w -= 6;
  int x = room.x + (room.w - tw) / 2;
  if (w.align() & FL_ALIGN_LEFT) x = room.x;
  else if (w.align() & FL_ALIGN_RIGHT) x = room.x + room.w - tw;
  return {{x, w.y() + (w.h() - th) / 2, tw, th, shown}, room};
}

// One line of pixels as 0xRRGGBB, read back from the screen.
std::vector<uint32_t> ReadRow(Fl_Window& window, int x, int y, int w) {
  std::vector<uchar> rgb(static_cast<size_t>(w) * 3);
  window.make_current();
  fl_read_image(rgb.data(), x, y, w, 1);
  std::vector<uint32_t> row;
  for (int i = 0; i < w; ++i) row.push_back(rgb[3 * i] << 16 | rgb[3 * i + 1] << 8 | rgb[3 * i + 2]);
  return row;
}

int dialogs_checked = 0;

// Checks the dialog on show, then closes it.
void CheckShownDialog(void*) {
  Fl_Window* window = Fl::first_window();
  ASSERT_NE(window, nullptr);
  ++dialogs_checked;
  SCOPED_TRACE(window->label() ? window->label() : "");
  Fl::flush();
  std::vector<Label> labels;
  for (int i = 0; i < window->children(); ++i) {
    Fl_Widget& w = *window->child(i);
    Box box{w.x(), w.y(), w.w(), w.h(), w.label() ? w.label() : ""};
    if ((w.label() && *w.label()) || w.image()) {
      EXPECT_TRUE(box.Inside({0, 0, window->w(), window->h(), ""}, 0)) << box << " is outside the window";
    }
    EXPECT_FALSE(dynamic_cast<Fl_Return_Button*>(&w) && w.image()) << box << " has a picture and the Enter arrow";
    if (auto* button = dynamic_cast<Fl_Button*>(&w); button && w.image() && w.w() > 4) {
      // A picture on a button leaves the frame whole: its top and bottom lines are one colour each.
      for (int y : {w.y(), w.y() + w.h() - 1}) {
        std::vector<uint32_t> row = ReadRow(*window, w.x() + 2, y, w.w() - 4);
        EXPECT_EQ(std::count(row.begin(), row.end(), row[0]), static_cast<long>(row.size()))
            << "the picture covers the frame of " << box << " at line " << y;
      }
    }
    if (!w.label() || !*w.label()) continue;
    if (w.align() & FL_ALIGN_WRAP) {
      int ww = w.w() - 6, hh = 0;
      fl_font(w.labelfont(), w.labelsize());
      fl_measure(w.label(), ww, hh, 0);
      EXPECT_LE(hh, w.h()) << box << " wraps to more lines than it has room for";
      continue;
    }
    Label l = LabelOf(w);
    EXPECT_LE(l.text.w, l.room.w) << l.text << " is wider than its room " << l.room;
    labels.push_back(l);
  }
  for (size_t i = 0; i < labels.size(); ++i)
    for (size_t j = i + 1; j < labels.size(); ++j)
      EXPECT_FALSE(labels[i].text.Meets(labels[j].text, kGap)) << labels[i].text << " runs into " << labels[j].text;
  window->do_callback();
}

class DialogTextFit : public TextFit {
 protected:
  void Open(const std::function<void()>& show) {
    const int before = dialogs_checked;
    Fl::add_timeout(0.5, CheckShownDialog);
    show();
    Fl::remove_timeout(CheckShownDialog);
    EXPECT_EQ(dialogs_checked, before + 1) << "the dialog did not open";
  }
  platform::fltk::Desktop desktop;
  std::unique_ptr<platform::TextRenderer> text = platform::fltk::MakeTextRenderer();
  platform::Canvas canvas{640, 480, text.get()};
  platform::testing::FakePlatform fake;
  testing_support::RecordingView view;
  machine::Machine m{{canvas, fake, fake, fake, fake, desktop.Dialogs(), fake, fake}, view};
};

// Each dialog with the longest figures and names it can be given.
TEST_F(DialogTextFit, EveryDialog) {
  rules::ApplyStartupValues(m.g);
  m.g.Spins = 123456789;  // paid back 163.46% of the bets, over a long run of spins
  m.g.TotalBets = 10000;
  m.g.Borrowed = 1000;
  m.g.Credits = 7346;
  m.g.SkillStopWins = 4567;
  Open([&] { dialogs::ShowStatsDialog(m); });
  Open([&] { dialogs::ShowStatsDialog(m, [] {}); });  // with its Game Recall button

  platform::Services services{canvas, fake, fake, fake, fake, desktop.Dialogs(), fake, fake};
  Open([&] { dialogs::ShowWebSiteDialog(services); });
  persistence::Settings settings;
  settings.recall_games = 100;
  Open([&] { dialogs::ShowSettingsWindow(desktop.Dialogs(), settings); });

  view::Pictures digits;
  view::LoadBuiltinPictures(digits, view::BuiltinPicture);
  Open([&] { dialogs::ShowBorrowDialog(m, digits, false); });

  m.g.GameName = "A game with a rather long name";
  m.g.Credits = m.g.Borrowed = 2000000000;
  std::filesystem::path ini = std::filesystem::temp_directory_path() / "vantello-fit-slots.ini";
  platform::ProfileFile file(ini.string());
  // A date as a locale that writes the year in full has it.
  ASSERT_TRUE(persistence::SaveGameSection(m.g, file, 0, m.g.GameName, nullptr, "2026-12-08"));
  for (auto mode : {dialogs::SlotDialogMode::Save, dialogs::SlotDialogMode::Open})
    Open([&] { dialogs::ShowSlotDialog(m, file, mode); });
  std::filesystem::remove(ini);

  m.ProgramFolder = VANTELLO_PROGRAM_DIR;
  Open([&] { dialogs::ShowPayChart(m); });
  m.ProgramFolder = "/nowhere/";  // the chart's missing picture is reported in the window
  Open([&] { dialogs::ShowPayChart(m); });

  m.g.SpinWin = 64;
  Open([&] { dialogs::PlayDoubleOrNothing(m, 640); });

  // A recalled game with everything at once, every figure at its widest.
  rules::GameRecord game;
  game.number = 2147483647;
  game.time = "2026-12-08 23:59:59";
  game.lines = game.coins = 8;
  game.bet = 64;
  game.credits_before = game.credits_after = 2147483647;
  game.bell_pool_before = game.bell_pool_after = game.bell_pool_award = 2147483647;
  game.win = 2147483647;
  rules::TurnRecord spin;
  spin.line_wins = {8888, 8888, 8888, 8888, 8888, 8888, 8888, 8888};
  spin.win = 2147483647;
  spin.screen_bonus = rules::kScreenBonusAllFruit;
  spin.bonus_lamp = spin.skill_stop = true;
  game.turns = {spin, spin, spin};
  game.turns[1].kind = rules::TurnKind::CherryRoll;
  game.turns[2].kind = rules::TurnKind::CherryRoll;
  game.gamble = {{0, 2147483647, 37, 2147483647}, {2, 2147483647, 52, 0}};  // the Queen of Diamonds, the Joker
  game.between = {{rules::BetweenKind::PayBack, 2147483647, 2147483647}};
  const std::vector<rules::GameRecord> games(100, game);
  view::Artwork art;
  for (int size : {64, 96}) Open([&] { dialogs::ShowGameRecall(m, games, art, size); });

  // The meters at their widest: eighteen-figure sums, negative where they may be.
  for (auto* meters : {&m.LifeMeters, &m.SessionMeters}) {
    for (int64_t rules::Meters::*field :
         {&rules::Meters::opening_credits, &rules::Meters::games, &rules::Meters::turnover, &rules::Meters::won,
          &rules::Meters::gamble_staked, &rules::Meters::gamble_returned, &rules::Meters::bell_pool_in,
          &rules::Meters::bell_pool_awards, &rules::Meters::rolls, &rules::Meters::roll_wins, &rules::Meters::borrowed,
          &rules::Meters::paid_back})
      meters->*field = 999999999999999999;
    meters->credits_set = -999999999999999999;
  }
  Open([&] { dialogs::ShowMetersWindow(m); });
  m.SessionPoints.assign(machine::Machine::kMaxSessionPoints, {2147483647, 0, true, false});
  Open([&] { dialogs::ShowSessionChart(m); });
}

void CloseFirstWindow(void*) {
  if (Fl_Window* window = Fl::first_window()) window->do_callback();
}

// Megabytes of one line (here bytes FLTK shows one glyph each) reach the X server cut to
// what a line can show: in one request they would end the game.
TEST_F(DialogTextFit, MegabyteTextsReachTheServerCut) {
  const std::string junk(3000000, '\x80');
  canvas.Text(0, 0, junk, 10, platform::kWhite, false);
  EXPECT_GT(canvas.TextWidth(junk, 10, false), 0);
  auto dialog = desktop.Dialogs().NewDialog(junk, 300, 100, platform::kSilver);
  const int label = dialog->AddLabel(8, 8, 284, 20, junk, {});
  const int edit = dialog->AddEdit(8, 32, 284, 20, junk, false, 255);
  dialog->AddButton(8, 60, 284, 32, junk, platform::ButtonKind::Ok, nullptr);
  Fl::add_timeout(0.5, CloseFirstWindow);
  dialog->ShowModal();
  for (int id : {label, edit}) {
    EXPECT_LE(dialog->Text(id).size(), platform::fltk::kMaxLineBytes);
    EXPECT_GE(dialog->Text(id).size(), platform::fltk::kMaxLineBytes - 3);
  }
  // Never cut inside a character.
  EXPECT_EQ(platform::fltk::CutToLine(std::string(1023, 'a') + "\xC3\xA9"), std::string(1023, 'a'));
}

}  // namespace
