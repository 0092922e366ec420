#include "machine/machine.h"

#include "machine/lamps.h"
#include "machine/free_spins.h"

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

void StartTimer(Machine& m, TimerId id) {
  switch (id) {
    case Timer1: m.timers.Start(id, 200, [&m] { Timer1Timer(m); }); break;
    case Timer2: m.timers.Start(id, 200, [&m] { Timer2Timer(m); }); break;
    case Timer3: m.timers.Start(id, 250, [&m] { Timer3Timer(m); }); break;
    case Timer4: m.timers.Start(id, 400, [&m] { Timer4Timer(m); }); break;
    case Timer5: m.timers.Start(id, 300, [&m] { machine::Timer5Timer(m); }); break;
  }
}

void StopTimer(Machine& m, TimerId id) {
  m.timers.Stop(id);
}

void Pause(Machine& m, double seconds) {
  if (m.Closing) return;
  platform::Pause(m.clock, seconds);
}

}  // namespace machine
