// The lamps that move: the chaser row, the side lamps, the celebration blinking and
// the flashing of the winning lines.
#pragma once
#include "machine/machine.h"

namespace machine {

void DrawChaserLamp(Machine& m, int i, bool lit);
void DrawChaserLamps(Machine& m);
void DrawLeftSideLamp(Machine& m, bool lit);
void DrawRightSideLamp(Machine& m, bool lit);

// Payline 0..7 hatched in its colour, or restored; other values do nothing.
void HighlightLine(Machine& m, int line, bool on);
void HighlightScreenBonus(Machine& m, bool on);

// The colour each payline is hatched in, 0xRRGGBB.
platform::Color LineColour(int line);

void CelebrateAllTick(Machine& m);
void CelebrateAlternateTick(Machine& m);
void StartupCelebrationTick(Machine& m);
void WinFlashTick(Machine& m);

}  // namespace machine
