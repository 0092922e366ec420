// The machine's window: its start-up, its handlers and its shutdown.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "machine/machine.h"
#include "machine/manual_topics.h"
#include "persistence/recall.h"
#include "persistence/settings.h"
#include "platform/dialog.h"
#include "platform/profile_file.h"
#include "platform/services.h"
#include "platform/window_shell.h"
#include "view/command_bar.h"
#include "view/main_view.h"
#include "view/pictures.h"

namespace app {

// The desktop the window works with: the services it shares with the machine, its own
// frame, and where its files are.
struct Desk {
  platform::Services services;
  platform::WindowShell& shell;
  platform::ScreenInfo screen;
  std::string program_folder;
  std::string saved_game_path;  // Vantello.ini
  view::PictureSource pictures;
  // Where the game goes when it cannot be saved at a signal, in the order tried.
  std::vector<std::string> rescue_folders;
  std::string settings_path;  // Settings.ini; "" keeps the settings until the game closes
};

constexpr const char* kGameTitle = "Vantello";
// The window's own timers, beside the machine's lamp timers (1 to 5).
constexpr int kSessionTimer = 10;
constexpr int kReminderTimer = 11;
// The keys of the window's own: S opens the settings, M mutes and unmutes.
constexpr int kSettingsKey = 'S';
constexpr int kMuteKey = 'M';
// What the reminder says, and its answers.
std::string ReminderText(uint64_t played_ms, int64_t net);
constexpr const char* kVersion = VANTELLO_VERSION;  // the project's version, set by the build
// The notices that stop the start, in the player's language.
std::string NoFolderForGames();
std::string AlreadyRunning();
// What the player is told when no lock keeps a second copy off the saved games.
std::string NoLockForGames(const std::string& why);
// The window's title during a session: the game's name, then, once a game has been
// played, the time played and the net result ("Vantello — 0:42, +120").
std::string SessionTitle(uint64_t played_ms, int64_t net, bool played);
// What the player is told when the saved game holds other credits than the meters leave.
std::string MetersDoNotAddUp(int64_t credits, int64_t by_meters);
// What the player is told when the saved games' file is there but cannot be read.
std::string UnreadableSavedGames(const std::string& path);
std::string MissingArtwork();

class MachineWindow {
 public:
  explicit MachineWindow(const Desk& desk);
  ~MachineWindow();

  // The start-up sequence, once, before the window is shown.
  void Start();
  // The whole machine drawn again (the window changed size); nothing before the start has laid it out.
  void PaintAll() {
    if (game_loaded_) view_.PaintAll();
  }
  void HandleKey(int key);
  void HandleClick(int x, int y);
  void HandleMenu(bool at_mouse) { Handle([&] { ShowMenu(at_mouse); }); }
  // The close box: auto spin off, the wheels stopped, the game saved, the window gone.
  // In the middle of a spin the spin is finished first and its wins paid.
  void CloseWindow();
  // A termination signal: the same, without asking anything.
  void CloseOnSignal();
  void ShowManual(const std::string& topic = std::to_string(machine::kMachineHelpTopic));
  void ShowVersion();
  // A click on command button i.
  void PressCommand(int i);
  void DrawCommandCaptions() { view::DrawCommandCaptions(m_, pictures_.Options, bar_); }
  const std::array<view::CommandButton, view::kCommandCount>& Bar() const { return bar_; }

  machine::Machine& Machine() { return m_; }
  platform::ProfileFile& SavedGames() { return saved_games_; }
  const persistence::Recall& GameRecall() const { return recall_; }
  view::MainView& View() { return view_; }
  view::Pictures& Pics() { return pictures_; }
  bool Closed() const { return closed_; }
  // The program's exit status: not 0 when the game could not be saved at a signal.
  int ExitStatus() const { return exit_status_; }
  // The manual in the player's language (Vantello.de.hlp), or the English one.
  std::string HelpFile() const;

 private:
  // Runs a handler that may spin, then finishes a close that waited for the spin.
  void Handle(const std::function<void()>& handler);
  void FinishClose(bool ask_when_save_fails);
  bool SaveCurrentGame(bool report);
  // A save failed with nobody to ask: keep the game in a rescue file and say where.
  void RescueCurrentGame();
  // A rescue newer than the saved game: ask whether to carry on with it.
  void OfferRescue();
  void TakeRescue(const std::string& rescue);
  void DeclineRescue(const std::string& rescue);
  // The Game Recall window (R, or from the statistics); not while the wheels turn.
  void ShowRecall();
  // The meters at the start: the machine's life from the recall, checked against the
  // saved game's credits; the session's from now.
  void StartMeters();
  // The session's time and net result on the window's title.
  void ShowSession();
  // The popup menu: every command, the recall, the settings and full screen, with keys.
  void ShowMenu(bool at_mouse);
  // The Settings window, and the settings put to work.
  void ShowSettings();
  void ApplySettings();
  // The reminder of the time played, shown when the machine stands still.
  void RemindWhenIdle();
  void Remind();
  // Keeps a finished game in the recall; a recall that cannot be written is said once.
  void KeepInRecall(const rules::GameRecord& game);
  void RunCommand(int i);
  // New Game, Load Game, Save Game and Borrow wait for the wheels.
  bool RefuseWhileSpinning();
  void SetTooltip(int i, const std::string& text);

  Desk desk_;
  platform::ProfileFile saved_games_;
  persistence::Recall recall_;
  persistence::Settings settings_;
  bool reminder_due_ = false;
  bool busy_ = false;  // a handler is running: a spin, a command, a dialog
  bool recall_failure_said_ = false;
  bool meters_failure_said_ = false;
  bool saved_credits_read_ = false;
  uint64_t session_start_ms_ = 0;
  machine::Machine m_;
  view::Pictures pictures_;
  view::MainView view_;
  std::array<view::CommandButton, view::kCommandCount> bar_{};
  std::array<int, view::kCommandCount> hotspots_{};
  bool close_pending_ = false;
  bool closed_ = false;
  bool game_loaded_ = false;
  bool fitted_ = false;  // the window shows the machine fitted, and may go full screen
  bool signalled_ = false;
  int exit_status_ = 0;
};

}  // namespace app
