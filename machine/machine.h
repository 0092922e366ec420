// The machine as the window owns it: the game state, its pictures and the desktop
// services it draws, sounds and waits with. Everything in machine/ works on
// one Machine; the real window and the test double fill in the services.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "rules/game_record.h"
#include "rules/meters.h"
#include "rules/game_state.h"
#include "platform/canvas.h"
#include "platform/random.h"
#include "platform/services.h"

namespace platform {
class DialogFactory;
class HelpViewer;
}

namespace machine {

// The timers that keep the lamps moving while the wheels stand still.
enum class LampTimer {
  CelebrateAll = 1,        // every chaser lamp blinks together
  CelebrateAlternate = 2,  // odd and even lamps blink in turn
  StartupCelebration = 3,  // a moment after start-up, the celebration begins
  WinFlash = 4,            // the winning lines hatched one after the other
  FreeSpinsBlink = 5,      // the "FREE Spins:" counter while Bar Rolls play
};
constexpr LampTimer kLampTimers[] = {LampTimer::CelebrateAll, LampTimer::CelebrateAlternate,
                                     LampTimer::StartupCelebration, LampTimer::WinFlash,
                                     LampTimer::FreeSpinsBlink};

// What the lamps and the wheels show between two draws: the machine's animation. The
// view draws it; nothing of it is saved.
struct Animation {
  std::array<bool, 6> ChaserLamps{};
  int BlinkTicks = 0;       // ticks the celebration pattern on show has had
  int FlashTicks = 0;       // ticks the flashed item has had
  bool FlashPhase = false;  // the flashed item is hatched
  // The result item the win flash shows (see rules::ResultItem); -1 for none.
  int FlashedItem = -1;
  bool FreeSpinsLit = false;
  // The row of the motion strip a turning wheel shows; -1 while it shows its symbol.
  std::array<int32_t, 9> MotionRow{-1, -1, -1, -1, -1, -1, -1, -1, -1};
};

// A stopped wheel bounces for this many animation steps.
constexpr int kBounceFrames = 7;

// The machine's door to its picture: the machine says what is to be shown, the view knows
// where and how. The real window draws; tests record or draw on a recording canvas.
class MachineView {
 public:
  virtual ~MachineView() = default;
  // The meters, the Winnings meter, the command captions and the whole window.
  virtual void DrawCreditsMeter() = 0;
  virtual void DrawBellPoolMeter() = 0;
  virtual void DrawLinesMeter() = 0;
  virtual void DrawCoinsMeter() = 0;
  virtual void DrawCoinsPlayedMeter() = 0;
  virtual void DrawBellsRow() = 0;
  virtual void DrawCherriesRow() = 0;
  virtual void ShowWinnings(bool show) = 0;
  virtual void DrawCommandCaptions() = 0;
  // A full, immediate repaint of the window.
  virtual void RepaintAll() = 0;

  // Wheel w (0..8, row by row): at rest on its symbol, turning on a row of the motion
  // strip, and bouncing as it comes to rest: the bounce takes the stopped picture once,
  // then shows frame 0 to kBounceFrames - 1 of its bounce.
  virtual void DrawStoppedWheel(int w) = 0;
  virtual void DrawTurningWheel(int w, int row) = 0;
  virtual void TakeBouncePicture(int w) = 0;
  virtual void DrawBounce(int w, int frame) = 0;

  // The lamps: one chaser lamp, the whole row, the side lamps, the win flash's hatching
  // of a payline (0..7) or of the screen bonus's cells, and the FREE Spins counter.
  virtual void DrawChaserLamp(int i, bool lit) = 0;
  virtual void DrawChaserLamps(const std::array<bool, 6>& lit) = 0;
  virtual void DrawSideLamps(bool left_lit, bool right_lit) = 0;
  virtual void HighlightLine(int line, bool on) = 0;
  virtual void HighlightScreenBonus(bool on) = 0;
  virtual void DrawFreeSpinsCounter(bool lit) = 0;
};

// A view that draws nothing, for a machine nobody watches (the simulator, the benchmarks)
// and for tests that watch one meter only.
class SilentView : public MachineView {
 public:
  void DrawCreditsMeter() override {}
  void DrawBellPoolMeter() override {}
  void DrawLinesMeter() override {}
  void DrawCoinsMeter() override {}
  void DrawCoinsPlayedMeter() override {}
  void DrawBellsRow() override {}
  void DrawCherriesRow() override {}
  void ShowWinnings(bool) override {}
  void DrawCommandCaptions() override {}
  void RepaintAll() override {}
  void DrawStoppedWheel(int) override {}
  void DrawTurningWheel(int, int) override {}
  void TakeBouncePicture(int) override {}
  void DrawBounce(int, int) override {}
  void DrawChaserLamp(int, bool) override {}
  void DrawChaserLamps(const std::array<bool, 6>&) override {}
  void DrawSideLamps(bool, bool) override {}
  void HighlightLine(int, bool) override {}
  void HighlightScreenBonus(bool) override {}
  void DrawFreeSpinsCounter(bool) override {}
};

// The guards that keep a spin from running into itself. The window pumps messages in
// the middle of a spin (every animation step, every pause, every waited sound, the card
// table), so a key, a click, a timer or the close box can arrive while a spin is on the
// stack:
//   g.SpinInProgress  set by SpinCycle from its set-up to the end of its evaluation (not
//                     its rolls). Read by the bet keys and Enter (refused), RequestSpin,
//                     and the window's commands that must wait for the wheels.
//   g.WheelsTurning   set by SpinCycle around its animation, the skill stop included.
//                     Read by the lamp timers: they draw nothing over the turning wheels,
//                     but run through the bonus pause, the card game and the count-off.
//   g.StopRequested   set by Space, the STOP button and a close; cleared by SpinCycle's
//                     set-up. Read by the animation loop: the skill stop.
//   RequestRunning    set by RequestSpin for its whole auto-spin loop. Read by
//                     RequestSpin (requests never nest) and by the window's close.
//   CycleDepth        counted up and down by SpinCycle; above 0 while a spin, its
//                     count-off or its rolls are anywhere on the stack. Read by the
//                     window's close and by the commands that must wait for the wheels.
//   Closing           set by the window when it closes mid-spin or for good; cleared only
//                     when a failed save keeps the player in the game. Read by SpinCycle
//                     (stop at once), Pause (no wait), the sounds (silent), CountOff (pay
//                     the rest at once), payout (no card game) and RequestSpin.
//   WaitingForSound   set while a waited sound holds the game up (its wait pumps
//                     messages). Read by the refusals: one sounds at a time, and a key
//                     refused meanwhile is refused silently, so held keys pile up nothing.
//   close_pending_    the window's own (app/main_window.h): set by a close that arrives
//                     mid-spin; read after every handler returns, when the spin has
//                     unwound, to save and close.
struct Machine {
  rules::GameState g;
  Animation animation;

  // The desktop, as the window hands it over.
  platform::Canvas& canvas;
  platform::Clock& clock;
  platform::Timers& timers;
  platform::SoundPlayer& sound;
  platform::MessageBoxes& boxes;
  platform::DialogFactory& dialogs;
  platform::HelpViewer& help;
  // The window's meters and captions. Never null; a test may put a recording view here.
  MachineView* view;

  platform::Rng rng;
  std::string ProgramFolder;                  // with its trailing '/'
  std::vector<uint8_t> ClickSoundData;        // rules::kClickSound, held in memory

  // The window is closing: the spin in hand finishes at once, its rolls are played
  // and every win is paid instantly, with no waits, sounds or card game.
  bool Closing = false;
  // A waited sound is holding the game up.
  bool WaitingForSound = false;
  // The player's setting: wins and celebrations light steadily instead of blinking.
  bool ReducedFlashing = false;
  // A spin request (and its auto-spin loop) is running; requests never nest.
  bool RequestRunning = false;
  // Spin cycles on the stack: a spin, its count-off or its rolls are under way.
  int CycleDepth = 0;

  // The game under way as the recall keeps it, and the credits that changed hands since
  // the last one (machine/game_recording.h).
  rules::GameRecord Record;
  std::vector<rules::BetweenGames> Between;
  // The machine's meters over its life (kept with the recall) and since this start.
  rules::Meters LifeMeters;
  rules::Meters SessionMeters;
  // Each game of the session, for its chart; the oldest go past kMaxSessionPoints.
  std::vector<rules::SessionPoint> SessionPoints;
  static constexpr size_t kMaxSessionPoints = 100000;
  // Handed each game once its last credit is paid, to be kept in the recall.
  std::function<void(const rules::GameRecord&)> GameRecorded;

  // Saves the live game to "CurrentGame"; false when the save failed.
  std::function<bool()> SaveCurrentGame;
  // Opens the Double or Nothing table on SpinWin, when the game has one.
  std::function<void()> PlayDoubleOrNothing;
  // Set while a dialog is open inside a spin (the card table): closes it, keeping
  // what it stands at, when the window closes.
  std::function<void()> CloseOpenDialog;
  // The help file, for the dialogs' Help buttons and F1.
  std::string HelpFile;

  Machine(const platform::Services& services, MachineView& view);
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;
};

// Starts or stops one of the lamp timers with its interval and tick handler.
void StartTimer(Machine& m, LampTimer id);
void StopTimer(Machine& m, LampTimer id);
void StopAllTimers(Machine& m);

// Pause that keeps pumping messages; it returns at once while the window closes.
void Pause(Machine& m, double seconds);

}  // namespace machine
