// A person at the skill stop. The chaser lights all six lamps for one step of 25 ms in
// every twelve, so what the stop is worth depends on how precisely its player presses.
//
// The player follows the chaser's rhythm and aims at the middle of one all-lit step:
// the one nearest the middle of the chaser's run (about 1.2 s into the spin), so that
// neither the start nor the end of the run is near. The press lands at that moment plus
// a bias plus a normal timing error. The game sees the press when it next pumps
// messages, which is before the next chaser move, so the chaser freezes in whatever
// state it shows at the moment of the press:
//   - a press before the spin's set-up has ended is forgotten and the spin runs out;
//   - a press before the first step freezes the starting lamps;
//   - a press after the chaser's last move (97 moves, the wheels still bouncing, or the
//     spin already over) leaves the lamps as a spin that runs out leaves them.
// Steps are taken as exactly 25 ms apart (a late step on a busy machine is left out).
// The chance of the bonus lamp is then an exact sum of normal probabilities over the
// chaser's steps, averaged over its twelve equally likely starts. Rolls run the same
// spin loop and chaser as regular spins, so the same chance serves both.
#pragma once

namespace analysis {

struct PressTiming {
  double JitterMs = 0;  // standard deviation of the timing error; 0 presses exactly
  double BiasMs = 0;    // mean timing error; negative presses early
};

// The chance that a spin (regular or roll) ends with the bonus lamp lit.
double HumanLampChance(const PressTiming& player);

// The chance for one of the chaser's starts, dir +1 or -1 and pos 0..5.
double HumanLampChance(const PressTiming& player, int pos, int dir);

// The step whose middle the player aims at, for one of the chaser's starts: the all-lit
// step (the state after that many chaser moves) nearest the middle of the run; the
// earlier of two.
int AimedStep(int pos, int dir);

}  // namespace analysis
