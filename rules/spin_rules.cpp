#include "rules/spin_rules.h"

namespace rules {

SpinSetup DrawSpinSetup(platform::Rng& rng) {
  SpinSetup s;
  s.ChaserDir = rng.Random(2) == 1 ? 1 : -1;
  s.ChaserPos = static_cast<int>(rng.Random(6));
  for (int w = 0; w < 9; ++w) {
    s.Offsets[w] = static_cast<int32_t>(rng.Random(kMotionStripRows));
    s.Stops[w] = static_cast<int32_t>(rng.Random(20));
  }
  return s;
}

std::array<bool, 6> StartingLamps(int pos, int dir) {
  std::array<bool, 6> lamps{};
  for (int i = 0; i < 6; ++i) lamps[i] = i <= pos;
  if (dir == -1) lamps[pos] = false;
  return lamps;
}

int MoveChaser(int& pos, int& dir, std::array<bool, 6>& lamps) {
  pos += dir;
  if (pos > 5) {
    pos = 5;
    dir = -1;
  }
  if (pos < 0) {
    pos = 0;
    dir = 1;
  }
  lamps[pos] = !lamps[pos];
  return pos;
}

bool BonusLampAfterFullSpin(int pos, int dir) {
  std::array<bool, 6> lamps = StartingLamps(pos, dir);
  for (int i = 0; i < kChaserMoves; ++i) MoveChaser(pos, dir, lamps);
  return lamps[5];
}

}  // namespace rules
