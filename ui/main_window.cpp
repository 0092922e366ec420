#include "ui/main_window.h"

#include "core/bets.h"
#include "core/strips.h"

namespace ui {

TForm1::TForm1(const Desk& desk) : desk_(desk), view_(m_, pictures_, desk.screen.dpi) {
  m_.canvas = desk.canvas;
  m_.clock = desk.clock;
  m_.timers = desk.timers;
  m_.sound = desk.sound;
  m_.boxes = desk.boxes;
  m_.dialogs = desk.dialogs;
  m_.view = &view_;
}

TForm1::~TForm1() {
  for (core::TimerId id : {core::Timer1, core::Timer2, core::Timer3, core::Timer4, core::Timer5})
    core::StopTimer(m_, id);
}

void TForm1::FormCreate() {
  core::GameState& g = m_.g;
  m_.ProgramFolder = desk_.program_folder;
  g.ScreenWidth = desk_.screen.width;
  g.SpinInProgress = false;
  g.Spins = 0;
  g.OriginX = 0;
  g.OriginY = 0;
  g.Bells = 3;
  g.PayMode = true;
  g.Cherries = 6;

  LoadBuiltinPictures(pictures_, desk_.pictures);
  if (!LoadArtwork(m_, pictures_, desk_.screen.depth)) desk_.boxes->Notice(kMissingArtwork);
  core::BuildRegularStrips(g);
  g.Stops = core::kStartupStops;
  LoadClickSound(m_);
  desk_.shell->Place(0, 0, desk_.screen.width - 10, desk_.screen.height);
  view_.logo = ComputeLayout(g, m_.art, pictures_);
  desk_.shell->AddHotspot(view_.logo.x, view_.logo.y, pictures_.Logo.Width(), pictures_.Logo.Height(),
                          "", [this] { LogoClick(); });

  g.CoinsPerLine = 1;
  g.LinesPlayed = 8;
  core::NewGameReset(g);
  g.RestoreStrips = g.CherryRollMode = g.BarRollMode = false;
  g.Sound = true;
  g.AutoSpin = false;
  g.AutoSave = true;
  g.Double = true;
  if (desk_.screen.dpi < 100) desk_.shell->Maximize();
  view_.FormPaint();
  core::StartTimer(m_, core::Timer3);
}

void TForm1::Handle(const std::function<void()>& handler) {
  if (closed_) return;
  handler();
  if (close_pending_ && !m_.g.SpinInProgress && !m_.RequestRunning) FinishClose(!signalled_);
}

void TForm1::FormKeyDown(int key) {
  Handle([&] { core::FormKeyDown(m_, key); });
}

void TForm1::FormMouseDown(int x, int y) {
  Handle([&] { core::FormMouseDown(m_, x, y); });
}

void TForm1::FormClose() {
  if (closed_) return;
  core::GameState& g = m_.g;
  g.AutoSpin = false;
  g.StopRequested = true;
  // A spin or its count-off is running further down this very call stack: let it
  // finish at once, paying everything, and close when it has returned.
  if (g.SpinInProgress || m_.RequestRunning) {
    m_.Closing = true;
    close_pending_ = true;
    return;
  }
  FinishClose(!signalled_);
}

void TForm1::CloseOnSignal() {
  signalled_ = true;
  FormClose();
}

void TForm1::FinishClose(bool ask_when_save_fails) {
  close_pending_ = false;
  m_.Closing = true;
  if (m_.SaveCurrentGame && !m_.SaveCurrentGame() && ask_when_save_fails &&
      !desk_.boxes->Confirm("Your game could not be saved. Close Vantello anyway?")) {
    m_.Closing = false;  // the player stays; nothing was lost
    return;
  }
  closed_ = true;
  for (core::TimerId id : {core::Timer1, core::Timer2, core::Timer3, core::Timer4, core::Timer5})
    core::StopTimer(m_, id);
  desk_.shell->Close();
}

void TForm1::Help(const std::string& topic) {
  if (desk_.help) desk_.help->ShowHelp(HelpFile(), topic);
}

void TForm1::LogoClick() { desk_.boxes->Information(std::string(kGameTitle) + " Version " + kVersion); }

}  // namespace ui
