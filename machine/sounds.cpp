#include "machine/sounds.h"

#include <algorithm>
#include <utility>

#include "rules/sounds.h"

namespace machine {

namespace {

// What each of the game's waited sounds lasts, in milliseconds.
constexpr std::pair<const char*, int> kSoundLengths[] = {
    {rules::kRefusalSound, 250}, {rules::kBonusLampSound, 1000}, {rules::kBellSound, 300}, {rules::kCherrySound, 200},
    {rules::kPayoutSound, 600}, {rules::kWinSound, 800},  {rules::kAllFruitSound, 1200},
};
constexpr int kUnknownSoundMs = 1000;

// Waits on the clock, so that keys, timers, the close box and a signal are all still
// handled; a close ends the wait at once.
void WaitForSound(Machine& m, int ms) {
  uint64_t until = m.clock.TickMs() + static_cast<uint64_t>(ms);
  bool outer = m.WaitingForSound;  // a sound waited for inside another's wait
  m.WaitingForSound = true;
  while (!m.Closing && m.clock.TickMs() < until) m.clock.WaitMessages(until);
  m.WaitingForSound = outer;
}

}  // namespace

int LongestWaitMs(const std::string& file) {
  for (const auto& [name, ms] : kSoundLengths)
    if (file == name) return 2 * ms;
  return 2 * kUnknownSoundMs;
}

void PlayWave(Machine& m, const std::string& file, bool wait) {
  if (!m.g.Sound || m.Closing) return;
  int length = m.sound.PlayFile(m.ProgramFolder + file);
  if (wait && length > 0) WaitForSound(m, std::min(length, LongestWaitMs(file)));
}

void PlayClick(Machine& m) {
  if (!m.g.Sound || m.Closing || m.ClickSoundData.empty()) return;
  m.sound.PlayMemory(m.ClickSoundData);
}

}  // namespace machine
