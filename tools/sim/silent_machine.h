// The machine with nobody at it: the null desktop and a silent view. The game's
// evaluations and payout run on it unchanged.
#pragma once
#include <array>
#include <cstdint>

#include "machine/machine.h"
#include "platform/null/null_desktop.h"

namespace sim {

// The game as a new game starts it, sound off, no card game, paid at once.
struct SilentMachine {
  SilentMachine();
  SilentMachine(const SilentMachine&) = delete;
  SilentMachine& operator=(const SilentMachine&) = delete;

  // Puts these nine symbol codes in the window, cell 0 at the top left.
  void ShowWindow(const std::array<uint8_t, 9>& codes);

  platform::null::NullDesktop desktop;
  machine::SilentView view;
  machine::Machine m;
};

}  // namespace sim
