// A machine wired to the test double: scripted clock, recorded sounds, boxes,
// meter redraws and drawing, and artwork of the right sizes in plain colours.
#pragma once
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/card_table.h"
#include "rules/game_state.h"
#include "machine/machine.h"
#include "view/main_view.h"
#include "platform/testing/fake_dialog.h"
#include "platform/testing/fake_platform.h"
#include "platform/testing/recording_canvas.h"

namespace testing_support {

struct TestMachine;

// The first time of day from `from` on that `wanted` accepts: the spins and the deals the
// tests need are searched for through the game's own draws, never written down.
template <class Wanted>
uint32_t FirstSeed(Wanted wanted, uint32_t from = 0) {
  for (uint32_t t = from;; ++t)
    if (wanted(t)) return t;
}

// A view whose wheels and lamps are drawn by the machine's real picture (when it is given
// one) and which writes down what the machine asked it to redraw: each meter by name in
// `calls`. Made for a TestMachine, it also takes the machine's place as its view and keeps
// one log (`Log`) of the redraws, with the meter's value at each, and the sounds played
// between them, in the order they happened.
class RecordingView : public machine::MachineView {
 public:
  explicit RecordingView(view::MainView* picture = nullptr) : picture_(picture) {}
  explicit RecordingView(TestMachine& t);

  void DrawStoppedWheel(int w) override { Draw([&](view::MainView& v) { v.DrawStoppedWheel(w); }); }
  void DrawTurningWheel(int w, int row) override { Draw([&](view::MainView& v) { v.DrawTurningWheel(w, row); }); }
  void TakeBouncePicture(int w) override { Draw([&](view::MainView& v) { v.TakeBouncePicture(w); }); }
  void DrawBounce(int w, int frame) override { Draw([&](view::MainView& v) { v.DrawBounce(w, frame); }); }
  void DrawChaserLamp(int i, bool lit) override { Draw([&](view::MainView& v) { v.DrawChaserLamp(i, lit); }); }
  void DrawChaserLamps(const std::array<bool, 6>& lit) override {
    Draw([&](view::MainView& v) { v.DrawChaserLamps(lit); });
  }
  void DrawSideLamps(bool left, bool right) override { Draw([&](view::MainView& v) { v.DrawSideLamps(left, right); }); }
  void HighlightLine(int line, bool on) override { Draw([&](view::MainView& v) { v.HighlightLine(line, on); }); }
  void HighlightScreenBonus(bool on) override { Draw([&](view::MainView& v) { v.HighlightScreenBonus(on); }); }
  void DrawFreeSpinsCounter(bool lit) override { Draw([&](view::MainView& v) { v.DrawFreeSpinsCounter(lit); }); }

  void DrawCreditsMeter() override { Record("Credits", &rules::GameState::Credits); }
  void DrawBellPoolMeter() override { Record("BellPool", &rules::GameState::BellPool); }
  void DrawLinesMeter() override { Record("Lines"); }
  void DrawCoinsMeter() override { Record("Coins"); }
  void DrawCoinsPlayedMeter() override { Record("CoinsPlayed"); }
  void DrawBellsRow() override { Record("Bells", &rules::GameState::Bells); }
  void DrawCherriesRow() override { Record("Cherries", &rules::GameState::Cherries); }
  void ShowWinnings(bool show) override { Record(show ? "ShowWinnings" : "HideWinnings"); }
  void DrawCommandCaptions() override { Record("Captions"); }
  void RepaintAll() override { Record("Repaint"); }

  int Count(const std::string& name) const { return static_cast<int>(std::count(calls.begin(), calls.end(), name)); }
  // Something else worth placing in the log (a card game, a timer found running).
  void Note(const std::string& what) {
    Flush();
    log_.push_back(what);
  }
  const std::vector<std::string>& Log() {
    Flush();
    return log_;
  }

  std::vector<std::string> calls;

 private:
  void Draw(const std::function<void(view::MainView&)>& draw) {
    if (picture_) draw(*picture_);
  }
  void Record(const char* name, int32_t rules::GameState::*meter = nullptr) {
    calls.push_back(name);
    if (!m_) return;
    Note(meter ? std::string(name) + "=" + std::to_string(m_->g.*meter) : std::string(name));
  }
  void Flush() {
    if (!fake_) return;
    for (; sounds_seen_ < fake_->sounds.size(); ++sounds_seen_) log_.push_back(fake_->sounds[sounds_seen_]);
  }
  view::MainView* picture_;
  machine::Machine* m_ = nullptr;
  platform::testing::FakePlatform* fake_ = nullptr;
  size_t sounds_seen_ = 0;
  std::vector<std::string> log_;
};

struct TestMachine {
  // A machine laid out for a screen this wide, its pictures plain colours of the sizes
  // the artwork has.
  explicit TestMachine(int screen_width = 640);

  // Symbols shown in the nine cells, given as codes, by choosing strips and stops.
  void ShowWindow(const std::array<int, 9>& codes);

  platform::testing::FakePlatform fake;
  platform::testing::FakeText text;
  platform::testing::RecordingCanvas canvas;
  platform::testing::FakeDialogFactory dialogs;
  view::Pictures pictures;
  // The machine's real picture, drawing on the recording canvas.
  view::MainView picture;
  RecordingView view;
  machine::Machine m;
  const view::Layout& layout = picture.layout;
};

// Card artwork in flat colours, so that each pixel of a face tells where it came from; with
// a twin_scale, each picture also has its twin, the same art that many times as large.
dialogs::CardArt FlatCardArt(int twin_scale = 0);

}  // namespace testing_support

#include <filesystem>

#include "platform/testing/fake_dialog.h"
#include "platform/window_shell.h"
#include "app/main_window.h"

namespace testing_support {

class FakeShell : public platform::WindowShell {
 public:
  struct Spot {
    int x, y, w, h;
    std::string tooltip;
    std::function<void()> click;
  };
  int AddHotspot(int x, int y, int w, int h, const std::string& tooltip, std::function<void()> click) override {
    spots.push_back({x, y, w, h, tooltip, std::move(click)});
    return static_cast<int>(spots.size()) - 1;
  }
  void SetHotspotTooltip(int id, const std::string& tooltip) override { spots.at(id).tooltip = tooltip; }
  void Place(int, int, int w, int h) override { width = w, height = h; }
  void Maximize() override { maximized = true; }
  void FitPicture(int, int, int) override {}
  void Close() override { closed = true; }
  void SetTitle(const std::string& t) override { title = t; }
  // The menu opens with its lines written down; the line whose caption starts with
  // `menu_pick` is chosen, or none.
  int PopupMenu(const std::vector<platform::MenuItem>& items, bool) override {
    menu = items;
    for (size_t i = 0; i < items.size(); ++i)
      if (!menu_pick.empty() && items[i].caption.rfind(menu_pick, 0) == 0) return static_cast<int>(i);
    return -1;
  }
  void ToggleFullScreen() override { full_screen = !full_screen; }
  std::vector<platform::MenuItem> menu;
  std::string menu_pick;
  bool full_screen = false;
  std::string title = "Vantello";
  std::vector<Spot> spots;
  int width = 0, height = 0;
  bool maximized = false, closed = false;
};

// The real main window on the test double, with the generated artwork and a saved-game
// file in a fresh temporary folder; drawing on its own recording canvas unless given one.
struct TestForm {
  explicit TestForm(int screen_width = 800, int screen_height = 600, platform::Canvas* draw_on = nullptr,
                    view::PictureSource pictures = nullptr);
  ~TestForm();
  // A new window started on the same folder, as the next start of the game.
  void Reopen();

  platform::testing::FakePlatform fake;
  platform::testing::FakeText text;
  platform::testing::FakeDialogFactory dialogs;
  FakeShell shell;
  platform::testing::RecordingCanvas canvas;
  std::filesystem::path folder;
  std::vector<std::string> rescue_folders;  // the saved games' folder unless a test says otherwise
  std::unique_ptr<app::MachineWindow> form;

 private:
  platform::ScreenInfo screen_;
  platform::Canvas& draw_on_;
  view::PictureSource pictures_;
};

}  // namespace testing_support
