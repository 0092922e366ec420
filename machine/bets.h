// The player's keys and clicks on the machine: bet steps, spin requests, skill stops.
#pragma once
#include "machine/machine.h"

namespace machine {

void LinesUp(Machine& m);
void LinesDown(Machine& m);
void CoinsUp(Machine& m);
void CoinsDown(Machine& m);

// Checks the bet and spins; in auto spin keeps spinning half a second apart.
void RequestSpin(Machine& m);

// Key codes as the window reports them (upper-case letters, Enter 13, Space 32).
enum Key { KeyEnter = 13, KeySpace = 32, KeyC = 67, KeyK = 75, KeyL = 76, KeyR = 82, KeyX = 88 };
void PressKey(Machine& m, int key);

// The buttons on the machine's face; the view knows where each one is.
enum class Button { Spin, Stop, LinesUp, LinesDown, CoinsUp, CoinsDown };
void PressButton(Machine& m, Button button);

}  // namespace machine
