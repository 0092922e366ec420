// A machine with nothing behind it: no window, no sound, no timers, and a clock that
// only moves while it is pumped. The game's evaluations and payout run on it unchanged.
#pragma once
#include <array>
#include <cstdint>

#include "machine/machine.h"
#include "platform/services.h"

namespace sim {

class SilentPlatform : public platform::Clock,
                       public platform::Timers,
                       public platform::SoundPlayer,
                       public machine::MachineView {
 public:
  uint64_t TickMs() override { return now_ms_; }
  uint32_t TimeOfDayMs() override { return 0; }
  void PumpMessages() override { now_ms_ += 1; }

  void Start(int, int, std::function<void()>) override {}
  void Stop(int) override {}
  bool Running(int) const override { return false; }

  void PlayFile(const std::string&, bool) override {}
  void PlayMemory(const std::vector<uint8_t>&) override {}

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

 private:
  uint64_t now_ms_ = 0;
};

// The game as a new game starts it, sound off, no card game, paid at once.
struct SilentMachine {
  SilentMachine();
  SilentMachine(const SilentMachine&) = delete;
  SilentMachine& operator=(const SilentMachine&) = delete;

  // Puts these nine symbol codes in the window, cell 0 at the top left.
  void ShowWindow(const std::array<uint8_t, 9>& codes);

  SilentPlatform platform;
  machine::Machine m;
};

}  // namespace sim
