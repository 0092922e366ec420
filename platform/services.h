// The services the game asks of the desktop, as small interfaces. The real ones sit
// over FLTK and SDL2 (platform/fltk); tests use the fakes of platform/testing.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Time and the message loop. Pacing compares elapsed ticks, never absolute values.
class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds from a monotonic 64-bit clock.
  virtual uint64_t TickMs() = 0;
  // Milliseconds since midnight, UTC: the random seed.
  virtual uint32_t TimeOfDayMs() = 0;
  // Handles the window messages that are waiting (input, painting, timers) and returns.
  virtual void PumpMessages() = 0;
  // Handles messages, waiting for them until the tick count reaches until_ms; returns
  // early once something has been handled. A deadline already past only pumps once.
  virtual void WaitMessages(uint64_t until_ms) = 0;
};

// Waits the given seconds on the tick count, pumping messages meanwhile.
void Pause(Clock& clock, double seconds);

// Periodic timers that fire on the window's thread while messages are pumped.
class Timers {
 public:
  virtual ~Timers() = default;
  virtual void Start(int id, int interval_ms, std::function<void()> tick) = 0;
  virtual void Stop(int id) = 0;
  virtual bool Running(int id) const = 0;
};

// WAV playback. A new sound cuts off the one playing; a file that cannot be played
// gives a short built-in default sound; with no audio device everything is silent.
// Nothing here waits: a sound the game must hear to its end is waited for by the
// game, on its clock, pumping messages meanwhile.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts the file and returns how long it plays, in milliseconds (0 for silence).
  virtual int PlayFile(const std::string& path) = 0;
  virtual void PlayMemory(const std::vector<uint8_t>& wav) = 0;
  // The loudness of the sounds started from now on, 0 to 100 percent.
  virtual void SetVolume(int percent) = 0;
};

// The answer a Confirm box gives to Enter. Where Yes throws something away (a New Game
// over the player's game), No is the default: Enter and Escape both answer No.
enum class Answer { Yes, No };

// Modal boxes and the text-input box.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // "Information" box with one OK button.
  virtual void Information(const std::string& text) = 0;
  // "Confirm" box with Yes and No; true for Yes. Enter gives `on_enter`.
  virtual bool Confirm(const std::string& text, Answer on_enter) = 0;
  // A box with two answers: `go_on` (Enter and Escape give it) and `stop`; true for `stop`.
  virtual bool AskToStop(const std::string& title, const std::string& text, const std::string& go_on,
                         const std::string& stop) = 0;
  // Plain notice titled with the game's name.
  virtual void Notice(const std::string& text) = 0;
  // Error box.
  virtual void Error(const std::string& text) = 0;
  // Text-input box: the edited text when OK was pressed, nothing on Cancel.
  // At most `max_chars` characters are taken.
  virtual std::optional<std::string> Input(const std::string& caption, const std::string& prompt, int max_chars,
                                           const std::string& initial) = 0;
};

class Canvas;
class DialogFactory;
class HelpViewer;
class WebBrowser;

// Everything the game asks of the desktop, handed out as one piece. The members are
// references: neither the machine nor its window can be made without every one of them.
// The real desktop, the silent face and the test face each fill in their own.
struct Services {
  Canvas& canvas;
  Clock& clock;
  Timers& timers;
  SoundPlayer& sound;
  MessageBoxes& boxes;
  DialogFactory& dialogs;
  HelpViewer& help;
  WebBrowser& web;
};

struct ScreenInfo {
  int width = 0;
  int height = 0;
  int depth = 24;   // bits per pixel
  int dpi = 96;     // logical pixels per inch
};

}  // namespace platform
