#include "machine/sounds.h"

namespace machine {

void PlayWave(Machine& m, const std::string& file, bool wait) {
  if (!m.g.Sound || m.Closing) return;
  m.sound.PlayFile(m.ProgramFolder + file, wait);
}

void PlayClick(Machine& m) {
  if (!m.g.Sound || m.Closing || m.ClickSoundData.empty()) return;
  m.sound.PlayMemory(m.ClickSoundData);
}

}  // namespace machine
