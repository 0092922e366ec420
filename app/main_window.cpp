#include "app/main_window.h"

#include <cstdio>
#include <filesystem>
#include <optional>

#include "machine/bets.h"
#include "machine/game_recording.h"
#include "rules/width_class.h"
#include "platform/picture_fit.h"
#include "dialogs/borrow.h"
#include "dialogs/paychart.h"
#include "dialogs/recall_window.h"
#include "dialogs/stats.h"
#include "dialogs/card_table.h"
#include "persistence/rescue.h"
#include "persistence/saved_game.h"
#include "dialogs/settings_window.h"
#include "dialogs/slot_dialog.h"
#include "dialogs/web_site.h"
#include "platform/words.h"

namespace app {

using platform::FillIn;

std::string NoFolderForGames() {
  return _("Vantello has no folder of yours to keep its games in: there is no home folder, and the "
           "temporary folder it would use instead belongs to someone else. Set HOME or XDG_DATA_HOME.");
}

std::string AlreadyRunning() { return _("Vantello is already running in another window."); }

std::string NoLockForGames(const std::string& why) {
  // TRANSLATORS: %1 is the lock file (or files) that could not be made, with the reason.
  return FillIn(_("Vantello cannot make sure it is the only copy playing these saved games: it could not lock %1. "
                  "Two copies on one game would save over each other, so it does not start. "
                  "Make the saved games' folder writable, or log in so that XDG_RUNTIME_DIR is set, and start it "
                  "again."),
                {why});
}

std::string MetersDoNotAddUp(int64_t credits, int64_t by_meters) {
  // TRANSLATORS: %1 is the credits in the saved game (said twice), %2 the credits the
  // recalled games leave, %3 the difference.
  return FillIn(_("The saved game's meters do not add up: it holds %1 credits, but the games recalled leave %2 "
                  "(a difference of %3). The file may have been edited or put back from an older copy. "
                  "Play goes on with %1 credits; the difference is kept in the meters and the recall as an "
                  "unexplained change."),
                {std::to_string(credits), std::to_string(by_meters), std::to_string(credits - by_meters)});
}

std::string UnreadableSavedGames(const std::string& path) {
  // TRANSLATORS: %1 is the saved games' file.
  return FillIn(_("The saved games in %1 could not be read: the file is larger than 4 MB, unreadable or not a "
                  "plain file. A new game starts; the file is left as it is, and the game cannot be saved there "
                  "until it is mended."),
                {path});
}

std::string MissingArtwork() {
  return _("There are BMP files missing which may cause this program to not function properly!");
}

MachineWindow::MachineWindow(const Desk& desk)
    : desk_(desk),
      saved_games_(desk.saved_game_path),
      recall_(desk.saved_game_path),
      m_(desk.services, view_),
      view_(m_, pictures_, desk.screen.dpi) {
  m_.SaveCurrentGame = [this] { return SaveCurrentGame(true); };
  m_.PlayDoubleOrNothing = [this] { dialogs::PlayDoubleOrNothing(m_, view_.layout.width); };
}

MachineWindow::~MachineWindow() {
  machine::StopAllTimers(m_);
}

void MachineWindow::Start() {
  rules::GameState& g = m_.g;
  m_.ProgramFolder = desk_.program_folder;
  m_.HelpFile = HelpFile();
  rules::ApplyStartupValues(g);
  // From 1000 wide the machine is laid out as for the screen the large layout was made
  // for, and the window shows that picture as large as it fits.
  const int layout_width = rules::LayoutWidthOf(desk_.screen.width);
  fitted_ = rules::WidthClassOf(desk_.screen.width) == rules::WidthClass::Large;
  int compose_scale = 1;
  if (fitted_) {
    // Composed for the whole screen: a smaller window brings the same picture further down.
    compose_scale = platform::FitPicture(rules::kLargeLayoutWidth, rules::kLargeLayoutHeight,
                                         desk_.screen.width, desk_.screen.height).ComposeScale();
    desk_.shell.FitPicture(rules::kLargeLayoutWidth, rules::kLargeLayoutHeight, compose_scale);
  }

  view::LoadBuiltinPictures(pictures_, desk_.pictures);
  if (!view::LoadArtwork(view_.art, pictures_, m_.ProgramFolder, layout_width, desk_.screen.depth))
    desk_.services.boxes.Notice(MissingArtwork());
  view::LoadTwins(view_.art, pictures_, m_.ProgramFolder, layout_width, compose_scale, desk_.screen.depth);
  view::LoadClickSound(m_);
  desk_.shell.Place(0, 0, desk_.screen.width - 10, desk_.screen.height);
  view_.layout = view::MakeLayout(layout_width, view_.art, pictures_);
  const view::Point logo = view_.layout.logo;
  desk_.shell.AddHotspot(logo.x, logo.y, pictures_.Logo.Width(), pictures_.Logo.Height(), "",
                         [this] { Handle([this] { ShowVersion(); }); });
  bar_ = view::BuildCommandBar(view_.layout, pictures_.Options);
  for (int i = 0; i < view::kCommandCount; ++i)
    hotspots_[i] = desk_.shell.AddHotspot(bar_[i].x, bar_[i].y, bar_[i].w, bar_[i].h, bar_[i].tooltip,
                                           [this, i] { PressCommand(i); });
  view_.draw_captions = [this] { DrawCommandCaptions(); };
  // The machine's own buttons name their keys, for a player who points before pressing;
  // their clicks stay the machine's.
  const view::Layout& l = view_.layout;
  const std::pair<platform::Rect, const char*> tips[] = {
      // TRANSLATORS: the tip of the machine's Spin button, with the key that spins. The
      // letter keys in the tips that follow stay as they are: they do not change with the language.
      {l.spin, N_("Spin (Enter)")},
      // TRANSLATORS: the tip of the machine's Stop button, with the key that stops the wheels.
      {l.stop, N_("Stop (Space)")},
      {l.lines_plus, N_("One more line (L)")},
      {view::MinusKeyOf(l.lines_plus), N_("One line fewer (K)")},
      {l.coins_plus, N_("One more coin a line (C)")},
      {view::MinusKeyOf(l.coins_plus), N_("One coin fewer a line (X)")},
  };
  for (const auto& [r, tip] : tips)
    desk_.shell.AddHotspot(r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1, _(tip), nullptr);

  settings_ = persistence::ReadSettings(desk_.settings_path);
  persistence::LoadGameSection(g, saved_games_, persistence::kCurrentGameSlot);
  // A start with no saved credits (no file, a file deleted to start afresh, one that cannot
  // be read) is a new game, not a game the meters should explain.
  saved_credits_read_ =
      saved_games_.Read().Read(persistence::SectionName(persistence::kCurrentGameSlot), "Credits").has_value();
  // Said once: the games stay in the file, untouched, but this start cannot carry them on.
  if (saved_games_.LastReadRefused()) desk_.services.boxes.Information(UnreadableSavedGames(saved_games_.Path()));
  OfferRescue();
  if (closed_) return;  // a signal while the rescue was offered
  game_loaded_ = true;
  const std::string recall_problem = recall_.Open();
  if (!recall_problem.empty()) desk_.services.boxes.Information(recall_problem);
  StartMeters();
  m_.GameRecorded = [this](const rules::GameRecord& game) { KeepInRecall(game); };
  // The session's clock on the title, a tick every half minute: it shows minutes.
  session_start_ms_ = m_.clock.TickMs();
  desk_.services.timers.Start(kSessionTimer, 30000, [this] { ShowSession(); });
  ApplySettings();
  if (desk_.screen.dpi < 100) desk_.shell.Maximize();
  view_.PaintAll();
  machine::StartTimer(m_, machine::LampTimer::StartupCelebration);
}

void MachineWindow::Handle(const std::function<void()>& handler) {
  if (closed_ || close_pending_) return;  // closing: the spin on the stack finishes alone
  const bool was_busy = busy_;
  busy_ = true;
  handler();
  busy_ = was_busy;
  if (reminder_due_ && !busy_ && !close_pending_ && !closed_) Remind();
  if (close_pending_ && !m_.g.SpinInProgress && !m_.RequestRunning && m_.CycleDepth == 0)
    FinishClose(!signalled_);
}

void MachineWindow::HandleKey(int key) {
  Handle([&] {
    if (key == machine::KeyR) ShowRecall();
    else if (key == kSettingsKey) ShowSettings();
    else if (key == kMuteKey) RunCommand(view::CmdSound);
    else machine::PressKey(m_, key);
  });
}

void MachineWindow::ShowMenu(bool at_mouse) {
  // Each line runs a command of the bar (0 to kCommandCount - 1) or one of these.
  enum Extra { kRecall = view::kCommandCount, kSettings, kFullScreen };
  struct Line {
    int what;
    bool ends_group;
  };
  std::vector<Line> lines = {
      {view::CmdNewGame, false}, {view::CmdSaveGame, false}, {view::CmdLoadGame, false},
      {view::CmdBorrow, true},   {view::CmdAutoSpin, false}, {view::CmdPayMode, false},
      {view::CmdDouble, false},  {view::CmdSound, true},     {view::CmdSummary, false},
      {view::CmdStats, false},   {kRecall, false},           {view::CmdPayChart, true},
      {kSettings, !fitted_},     {kFullScreen, true},        {view::CmdHelp, false},
      {view::CmdWebSite, false}, {view::CmdExit, false},
  };
  if (!fitted_) std::erase_if(lines, [](const Line& l) { return l.what == kFullScreen; });
  std::vector<platform::MenuItem> items;
  for (const Line& l : lines) {
    switch (l.what) {
      // The keys stay as they are: the menu reads them as key codes.
      case kRecall: items.push_back({_("Game Recall..."), "R", l.ends_group}); break;
      case kSettings: items.push_back({_("Settings..."), "S", l.ends_group}); break;
      case kFullScreen: items.push_back({_("Full Screen"), "F11", l.ends_group}); break;
      default: {
        const std::string key = l.what == view::CmdHelp ? "F1" : l.what == view::CmdSound ? "M" : "";
        items.push_back({view::MenuCaption(m_.g, l.what), key, l.ends_group});
      }
    }
  }
  const int chosen = desk_.shell.PopupMenu(items, at_mouse);
  if (chosen < 0) return;
  switch (const int what = lines[chosen].what) {
    case kRecall: ShowRecall(); break;
    case kSettings: ShowSettings(); break;
    case kFullScreen: desk_.shell.ToggleFullScreen(); break;
    default: RunCommand(what);
  }
}

void MachineWindow::ShowRecall() {
  if (RefuseWhileSpinning()) return;
  dialogs::ShowGameRecall(m_, recall_.Games(), view_.art, view_.layout.SymbolSize());
}

void MachineWindow::HandleClick(int x, int y) {
  Handle([&] {
    if (std::optional<machine::Button> button = view::ButtonAt(view_.layout, x, y)) machine::PressButton(m_, *button);
  });
}

void MachineWindow::CloseWindow() {
  if (closed_) return;
  rules::GameState& g = m_.g;
  g.AutoSpin = false;
  g.StopRequested = true;
  // A spin or its count-off is running further down this very call stack: let it
  // finish at once, paying everything, and close when it has returned.
  if (g.SpinInProgress || m_.RequestRunning || m_.CycleDepth > 0) {
    if (m_.CloseOpenDialog) m_.CloseOpenDialog();
    m_.Closing = true;
    close_pending_ = true;
    return;
  }
  FinishClose(!signalled_);
}

bool MachineWindow::SaveCurrentGame(bool report) {
  return persistence::SaveGameSection(m_.g, saved_games_, persistence::kCurrentGameSlot,
                                      "CurrentGame", report ? &desk_.services.boxes : nullptr);
}

void MachineWindow::CloseOnSignal() {
  signalled_ = true;
  CloseWindow();
}

void MachineWindow::FinishClose(bool ask_when_save_fails) {
  close_pending_ = false;
  if (m_.CloseOpenDialog) m_.CloseOpenDialog();
  m_.Closing = true;
  // Closed before the saved game was even read (a signal while the start-up notice or the
  // rescue offer is open): the file still holds the player's game, and nothing replaces it.
  const bool saved = !game_loaded_ || SaveCurrentGame(ask_when_save_fails);
  // A signal while the save's error box was up has closed the game already, rescue and all.
  if (closed_) return;
  if (!saved && ask_when_save_fails && !signalled_) {
    const bool anyway =
        desk_.services.boxes.Confirm(_("Your game could not be saved. Close Vantello anyway?"), platform::Answer::No);
    if (closed_) return;  // a signal closed the game while the question was up
    if (!anyway) {
      m_.Closing = false;  // the player stays; nothing was lost
      return;
    }
  } else if (!saved) {
    RescueCurrentGame();  // nobody to ask: the game goes to a rescue file
  }
  closed_ = true;
  machine::StopAllTimers(m_);
  desk_.services.timers.Stop(kSessionTimer);
  desk_.services.timers.Stop(kReminderTimer);
  desk_.shell.Close();
}

void MachineWindow::RescueCurrentGame() {
  const std::string rescue = persistence::WriteRescue(m_.g, saved_games_.Path(), desk_.rescue_folders);
  std::fputs(persistence::RescueReport(saved_games_, rescue, desk_.rescue_folders).c_str(), stderr);
  exit_status_ = 1;  // whoever ended the game learns that its save did not land
}

void MachineWindow::OfferRescue() {
  const persistence::RescueSearch search = persistence::FindRescue(saved_games_.Path(), desk_.rescue_folders);
  platform::MessageBoxes& boxes = desk_.services.boxes;
  for (const std::string& aside : search.set_aside)
    boxes.Information(
        // TRANSLATORS: %1 is the file's new name.
        FillIn(_("A file found in the place of a rescued game holds no game; it was kept as %1."), {aside}));
  // Each rescue is offered in turn, newest first; one taken replaces the game before it,
  // which is kept, so taking several loses none of them.
  const size_t count = search.offers.size();
  for (size_t i = 0; i < count && !signalled_; ++i) {
    const std::string& rescue = search.offers[i];
    const std::string question =
        count == 1
            // TRANSLATORS: %1 is the file that holds the game.
            ? FillIn(_("A game saved when the desktop closed was found in %1. Open it?"), {rescue})
            // TRANSLATORS: %1 is the file that holds the game, %2 its place among the %3 games found.
            : FillIn(_("A game saved when the desktop closed was found in %1 (%2 of %3, newest first). Open it?"),
                     {rescue, std::to_string(i + 1), std::to_string(count)});
    const bool open = boxes.Confirm(question, platform::Answer::Yes);
    // A signal is not the player's answer: the rescue stays, to be offered at the next start.
    if (signalled_) return;
    if (open)
      TakeRescue(rescue);
    else
      DeclineRescue(rescue);
  }
}

void MachineWindow::TakeRescue(const std::string& rescue) {
  platform::MessageBoxes& boxes = desk_.services.boxes;
  // The game the rescue replaces is kept first: a rescue never costs the player a game.
  const std::string before = persistence::KeepGameBeforeRescue(m_.g, saved_games_.Path());
  persistence::LoadGameSection(m_.g, platform::ProfileFile(rescue), persistence::kCurrentGameSlot);
  // Until it is in Vantello.ini the rescue stays, and the next start asks again.
  std::error_code ec;
  if (SaveCurrentGame(false)) std::filesystem::remove(rescue, ec);
  if (!before.empty())
    // TRANSLATORS: %1 is the file that now holds the game played before; Vantello.ini is a file name.
    boxes.Information(FillIn(_("The game you had before is kept in %1; put that file in the place of Vantello.ini "
                               "to go back to it."),
                             {before}));
}

void MachineWindow::DeclineRescue(const std::string& rescue) {
  const std::string aside = persistence::PutRescueAside(rescue);
  // TRANSLATORS: %1 is a file name.
  desk_.services.boxes.Information(aside.empty() ? FillIn(_("The game found stays in %1."), {rescue})
                                                 // TRANSLATORS: %1 is a file name.
                                                 : FillIn(_("The game found was kept as %1 and will not be offered "
                                                            "again."),
                                                          {aside}));
}

namespace {
// Hours and minutes, as a clock shows them: "0:42".
std::string PlayedClock(uint64_t played_ms) {
  const uint64_t minutes = played_ms / 60000;
  char clock[32];
  std::snprintf(clock, sizeof clock, "%llu:%02llu", static_cast<unsigned long long>(minutes / 60),
                static_cast<unsigned long long>(minutes % 60));
  return clock;
}
std::string Signed(int64_t n) {
  std::string text = std::to_string(n);
  if (n >= 0) text.insert(text.begin(), '+');
  return text;
}
}  // namespace

std::string SessionTitle(uint64_t played_ms, int64_t net, bool played) {
  if (!played) return kGameTitle;
  // TRANSLATORS: the window's title during a session: %1 is the game's name, %2 the time
  // played as hours:minutes, %3 the credits won (+) or lost (-) since the start.
  return FillIn(_("%1 \u2014 %2, %3"), {kGameTitle, PlayedClock(played_ms), Signed(net)});
}

std::string ReminderText(uint64_t played_ms, int64_t net) {
  // TRANSLATORS: %1 is the time played as hours:minutes, %2 the credits won (+) or lost (-).
  return FillIn(_("You have played for %1 this session, and your credits stand at %2 against its start."),
                {PlayedClock(played_ms), Signed(net)});
}

void MachineWindow::ShowSettings() {
  if (!dialogs::ShowSettingsWindow(desk_.services.dialogs, settings_)) return;
  ApplySettings();
  if (!persistence::WriteSettings(desk_.settings_path, settings_))
    desk_.services.boxes.Information(
        desk_.settings_path.empty()
            ? _("The settings could not be saved; they hold until Vantello closes.")
            // TRANSLATORS: %1 is the settings file.
            : FillIn(_("The settings could not be saved to %1; they hold until Vantello closes."),
                     {desk_.settings_path}));
}

void MachineWindow::ApplySettings() {
  desk_.services.sound.SetVolume(settings_.volume);
  m_.ReducedFlashing = settings_.reduced_flashing;
  recall_.SetKeep(settings_.recall_games);
  platform::Timers& timers = desk_.services.timers;
  if (settings_.reminder_minutes > 0)
    timers.Start(kReminderTimer, settings_.reminder_minutes * 60000, [this] { RemindWhenIdle(); });
  else
    timers.Stop(kReminderTimer);
}

void MachineWindow::RemindWhenIdle() {
  // Never over a turning wheel, a count-off or an open window: it waits for the machine.
  if (busy_ || m_.CycleDepth > 0 || m_.g.SpinInProgress) reminder_due_ = true;
  else Remind();
}

void MachineWindow::Remind() {
  reminder_due_ = false;
  const int64_t net = m_.g.Credits - m_.SessionMeters.opening_credits;
  const std::string text = ReminderText(m_.clock.TickMs() - session_start_ms_, net);
  // TRANSLATORS: the buttons of the reminder of the time played: play on, or save the game and close it.
  if (desk_.services.boxes.AskToStop(kGameTitle, text, _("Continue"), _("Save and Exit")))
    CloseWindow();
}

void MachineWindow::ShowSession() {
  const rules::Meters& session = m_.SessionMeters;
  desk_.shell.SetTitle(SessionTitle(m_.clock.TickMs() - session_start_ms_, m_.g.Credits - session.opening_credits,
                                    session.games > 0));
}

void MachineWindow::StartMeters() {
  const rules::GameState& g = m_.g;
  m_.SessionMeters = rules::Meters{};
  m_.SessionMeters.opening_credits = g.Credits;
  if (!recall_.HasMeters()) {  // the machine's first start, or a recall begun afresh
    m_.LifeMeters = m_.SessionMeters;
    return;
  }
  m_.LifeMeters = recall_.MetersRead();
  const int64_t expected = rules::CreditsByMeters(m_.LifeMeters);
  if (expected == g.Credits) return;
  // Said once and never mended: the change is kept in the meters and in the recall, as
  // the player sees it, and the meters add up from here on.
  if (saved_credits_read_) desk_.services.boxes.Information(MetersDoNotAddUp(g.Credits, expected));
  const rules::BetweenGames change{saved_credits_read_ ? rules::BetweenKind::Unexplained : rules::BetweenKind::NewGame,
                                   expected, g.Credits};
  m_.Between.push_back(change);
  rules::AddBetween(m_.LifeMeters, change);
}

void MachineWindow::KeepInRecall(const rules::GameRecord& game) {
  const int64_t expected = rules::CreditsByMeters(m_.LifeMeters);
  if (expected != m_.g.Credits && !meters_failure_said_) {
    meters_failure_said_ = true;
    // TRANSLATORS: %1 is the game's number, %2 the credits, %3 the credits the meters add up to.
    desk_.services.boxes.Information(FillIn(_("The machine's meters do not add up after game %1: the credits are "
                                              "%2, the meters say %3. Please report this."),
                                            {std::to_string(game.number), std::to_string(m_.g.Credits),
                                             std::to_string(expected)}));
  }
  ShowSession();
  if (recall_.Keep(game, m_.LifeMeters) || recall_failure_said_) return;
  recall_failure_said_ = true;
  // The log keeps the English; the player reads it in the player's language.
  // TRANSLATORS: %1 is the recall's file, %2 why it could not be written.
  const char* sentence = N_("The game recall could not be written to %1 (%2); the games are recalled until "
                            "Vantello closes.");
  const std::initializer_list<std::string_view> what = {recall_.File().Path(), recall_.File().Failure()};
  std::fprintf(stderr, "Vantello: %s\n", FillIn(sentence, what).c_str());
  desk_.services.boxes.Information(FillIn(_(sentence), what));
}

void MachineWindow::ShowManual(const std::string& topic) {
  desk_.services.help.ShowHelp(HelpFile(), topic);
}

std::string MachineWindow::HelpFile() const {
  for (const std::string& language : platform::PlayersLanguages()) {
    const std::string manual = m_.ProgramFolder + "Vantello." + language + ".hlp";
    std::error_code error;
    if (std::filesystem::is_regular_file(manual, error)) return manual;
  }
  return m_.ProgramFolder + "Vantello.hlp";
}

void MachineWindow::PressCommand(int i) {
  Handle([&] { RunCommand(i); });
}

bool MachineWindow::RefuseWhileSpinning() {
  if (m_.CycleDepth == 0 && !m_.g.SpinInProgress) return false;
  desk_.services.boxes.Information(_("Please wait until the wheels have stopped."));
  return true;
}

void MachineWindow::SetTooltip(int i, const std::string& text) {
  bar_[i].tooltip = text;
  desk_.shell.SetHotspotTooltip(hotspots_[i], text);
}

void MachineWindow::RunCommand(int i) {
  rules::GameState& g = m_.g;
  switch (i) {
    case view::CmdHelp: ShowManual(""); break;
    case view::CmdPayMode:
      g.CountOffWins = !g.CountOffWins;
      SetTooltip(i, g.CountOffWins ? _("Paymode is Count Off Credits") : _("Paymode is Instant Payoff"));
      DrawCommandCaptions();
      break;
    case view::CmdPayChart: dialogs::ShowPayChart(m_); break;
    case view::CmdBorrow:
      if (RefuseWhileSpinning()) break;
      dialogs::ShowBorrowDialog(m_, pictures_, view_.layout.Large());
      view_.PaintAll();
      break;
    case view::CmdNewGame:
      if (RefuseWhileSpinning()) break;
      if (desk_.services.boxes.Confirm(_("Start a New Game?"), platform::Answer::No)) {
        const int64_t before = g.Credits;
        rules::NewGameReset(g);
        machine::RecordBetween(m_, rules::BetweenKind::NewGame, before);
        view_.PaintAll();
      }
      break;
    case view::CmdSummary:
      desk_.services.boxes.Information(g.LastSpinSummaryShown.empty()
                                   ? _("You must spin before viewing a summary of the last spin.")
                                   : g.LastSpinSummaryShown);
      break;
    case view::CmdAutoSpin:
      g.AutoSpin = !g.AutoSpin;
      SetTooltip(i, g.AutoSpin ? _("Auto Spin Mode: On") : _("Auto Spin Mode: Off"));
      DrawCommandCaptions();
      if (g.AutoSpin && !g.SpinInProgress) machine::RequestSpin(m_);
      break;
    case view::CmdExit:
      if (desk_.services.boxes.Confirm(_("Are you sure you want to exit the game?"), platform::Answer::No))
        CloseWindow();
      break;
    case view::CmdSound:
      g.Sound = !g.Sound;
      SetTooltip(i, g.Sound ? _("Sound is On") : _("Sound is Off"));
      DrawCommandCaptions();
      break;
    case view::CmdWebSite: dialogs::ShowWebSiteDialog(desk_.services); break;
    case view::CmdDouble:
      g.DoubleOrNothingOn = !g.DoubleOrNothingOn;
      SetTooltip(i, g.DoubleOrNothingOn ? _("Double or Nothing Game is On") : _("Double or Nothing Game is Off"));
      DrawCommandCaptions();
      break;
    case view::CmdSaveGame:
      if (RefuseWhileSpinning()) break;
      dialogs::ShowSlotDialog(m_, saved_games_, dialogs::SlotDialogMode::Save);
      break;
    case view::CmdLoadGame: {
      if (RefuseWhileSpinning()) break;
      const int64_t before = g.Credits;
      dialogs::ShowSlotDialog(m_, saved_games_, dialogs::SlotDialogMode::Open);
      if (g.Credits != before) machine::RecordBetween(m_, rules::BetweenKind::LoadGame, before);
      view_.PaintAll();
      break;
    }
    case view::CmdStats: dialogs::ShowStatsDialog(m_, [this] { ShowRecall(); }); break;
    default: break;
  }
}

void MachineWindow::ShowVersion() {
  // TRANSLATORS: the logo's box: %1 is the game's name, %2 its version number.
  desk_.services.boxes.Information(FillIn(_("%1 Version %2"), {kGameTitle, kVersion}));
}

}  // namespace app
