#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/services.h"

namespace platform {

void Pause(Clock& clock, double seconds) {
  uint64_t start = clock.TickMs();
  uint64_t wait = static_cast<uint64_t>(std::llround(std::max(0.0, seconds) * 1000.0));
  // Sleep in the message loop rather than spin on it: input still wakes it at once.
  while (clock.TickMs() - start < wait) clock.WaitMessages(start + wait);
}

}  // namespace platform
