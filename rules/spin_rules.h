// What a spin draws and decides, without drawing anything: the set-up draws in their
// fixed order and the chaser lamps that decide the bonus lamp. The spin cycle, the
// simulator and the tests all use these.
#pragma once
#include <array>
#include <cstdint>

#include "platform/random.h"

namespace rules {

constexpr int kChaserLamps = 6;
// The chaser starts at one of its lamps, rising or falling: each start equally likely.
constexpr int kChaserStarts = 2 * kChaserLamps;
constexpr int kSpinSteps = 101;     // steps of a spin that runs out
constexpr int kChaserMoves = 97;    // chaser moves of a spin that runs out
constexpr int kStepMs = 25;
// The turning wheel's blurred strip has this many rows; a wheel starts on a random one.
constexpr int kMotionStripRows = 576;

struct SpinSetup {
  int ChaserDir = 1;   // +1 or -1
  int ChaserPos = 0;   // 0..5
  std::array<int32_t, 9> Offsets{};
  std::array<int32_t, 9> Stops{};
};

// Direction, position, then for each wheel its motion offset and its stop.
SpinSetup DrawSpinSetup(platform::Rng& rng);

// The lamp row at the start: lamps up to the position lit, the one at the position
// dark again when the chaser is falling.
std::array<bool, 6> StartingLamps(int pos, int dir);

// One chaser move: the level rises to the sixth lamp and falls back to the first.
// Returns the lamp that changed.
int MoveChaser(int& pos, int& dir, std::array<bool, 6>& lamps);

// Whether the sixth lamp is lit after a spin that runs out from this start.
bool BonusLampAfterFullSpin(int pos, int dir);

}  // namespace rules
