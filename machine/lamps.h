// The lamps that move while the wheels stand still: the celebration blinking after a
// bonus lamp and at start-up, the win flash walking through the winning lines, and the
// blinking "FREE Spins:" counter. Each is a timer's tick; the view draws what it shows.
#pragma once
#include "machine/machine.h"

namespace machine {

void CelebrateAllTick(Machine& m);
void CelebrateAlternateTick(Machine& m);
void StartupCelebrationTick(Machine& m);
void WinFlashTick(Machine& m);
void FreeSpinsBlinkTick(Machine& m);

// The chaser row with the side lamps, as the lamps stand.
void DrawLampsAndSides(Machine& m);

}  // namespace machine
