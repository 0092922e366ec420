// The machine as the window owns it: the game state, its pictures and the desktop
// services it draws, sounds and waits with. Everything in machine/ works on
// one Machine; the real window and the test double fill in the services.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "rules/game_state.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/random.h"
#include "platform/services.h"

namespace platform {
class DialogFactory;
class HelpViewer;
}

namespace machine {

enum TimerId { Timer1 = 1, Timer2 = 2, Timer3 = 3, Timer4 = 4, Timer5 = 5 };

// The six artwork pictures of the machine.
struct Artwork {
  platform::Bitmap BackgroundImage;
  platform::Bitmap SymbolSheet;
  platform::Bitmap MotionStrip;
  platform::Bitmap LampsOnImage;
  platform::Bitmap LampsOffImage;
  platform::Bitmap SideLampImage;
};

// The parts of the window that the machine asks to redraw: the meters, the Winnings
// meter, the command captions and the whole window. The window draws them; tests count.
class MachineView {
 public:
  virtual ~MachineView() = default;
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
};

struct Machine {
  rules::GameState g;
  Artwork art;

  platform::Canvas* canvas = nullptr;
  platform::Clock* clock = nullptr;
  platform::Timers* timers = nullptr;
  platform::SoundPlayer* sound = nullptr;
  platform::MessageBoxes* boxes = nullptr;
  platform::DialogFactory* dialogs = nullptr;
  MachineView* view = nullptr;

  platform::Rng rng;
  std::string ProgramFolder;                  // with its trailing '/'
  std::vector<uint8_t> ClickSoundData;        // "Cherry0.wav", held in memory

  // The window is closing: the spin in hand finishes at once, its rolls are played
  // and every win is paid instantly, with no waits, sounds or card game.
  bool Closing = false;
  // A spin request (and its auto-spin loop) is running; requests never nest.
  bool RequestRunning = false;
  // Spin cycles on the stack: a spin, its count-off or its rolls are under way.
  int CycleDepth = 0;

  // Saves the live game to "CurrentGame"; false when the save failed.
  std::function<bool()> SaveCurrentGame;
  // Opens the Double or Nothing table on SpinWin, when the game has one.
  std::function<void()> PlayDoubleOrNothing;
  // Set while a dialog is open inside a spin (the card table): closes it, keeping
  // what it stands at, when the window closes.
  std::function<void()> CloseOpenDialog;
  // The help file, for the dialogs' Help buttons and F1.
  platform::HelpViewer* help = nullptr;
  std::string HelpFile;
};

// Starts or stops one of the window's five timers with its interval and tick handler.
void StartTimer(Machine& m, TimerId id);
void StopTimer(Machine& m, TimerId id);

// Pause that keeps pumping messages; it returns at once while the window closes.
void Pause(Machine& m, double seconds);

}  // namespace machine
