#include "machine/machine.h"

#include "machine/lamps.h"

namespace machine {

Machine::Machine(const platform::Services& services, MachineView& view)
    : canvas(services.canvas),
      clock(services.clock),
      timers(services.timers),
      sound(services.sound),
      boxes(services.boxes),
      dialogs(services.dialogs),
      help(services.help),
      view(&view) {}

void StartTimer(Machine& m, LampTimer id) {
  auto start = [&](int interval_ms, void (*tick)(Machine&)) {
    m.timers.Start(static_cast<int>(id), interval_ms, [&m, tick] { tick(m); });
  };
  switch (id) {
    case LampTimer::CelebrateAll: start(200, CelebrateAllTick); break;
    case LampTimer::CelebrateAlternate: start(200, CelebrateAlternateTick); break;
    case LampTimer::StartupCelebration: start(250, StartupCelebrationTick); break;
    case LampTimer::WinFlash: start(400, WinFlashTick); break;
    case LampTimer::FreeSpinsBlink: start(300, FreeSpinsBlinkTick); break;
  }
}

void StopTimer(Machine& m, LampTimer id) { m.timers.Stop(static_cast<int>(id)); }

void StopAllTimers(Machine& m) {
  for (LampTimer id : kLampTimers) StopTimer(m, id);
}

void Pause(Machine& m, double seconds) {
  if (m.Closing) return;
  platform::Pause(m.clock, seconds);
}

}  // namespace machine
