#include <cstdint>

#include "platform/services.h"

namespace platform {

void Pause(Clock& clock, double seconds) {
  uint64_t start = clock.TickMs();
  uint64_t wait = static_cast<uint64_t>(seconds * 1000.0 + 0.5);
  while (clock.TickMs() - start < wait) clock.PumpMessages();
}

}  // namespace platform
