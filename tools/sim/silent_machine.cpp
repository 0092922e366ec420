#include "tools/sim/silent_machine.h"

namespace sim {

SilentMachine::SilentMachine() : m(desktop.Face(), view) {
  rules::ApplyStartupValues(m.g);
  m.g.Sound = false;
  m.g.DoubleOrNothingOn = false;
  m.g.CountOffWins = false;
}

void SilentMachine::ShowWindow(const std::array<uint8_t, 9>& codes) {
  for (int w = 0; w < 9; ++w) {
    m.g.Strips[w][0] = codes[w];
    m.g.Stops[w] = 0;
  }
}

}  // namespace sim
