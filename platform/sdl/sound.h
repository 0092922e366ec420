// Sound through SDL2's audio: one voice, a new sound cuts off the one playing.
#pragma once
#include <memory>

#include "platform/services.h"

namespace platform::sdl {

class Sound : public SoundPlayer {
 public:
  Sound();
  ~Sound() override;
  int PlayFile(const std::string& path) override;
  void PlayMemory(const std::vector<uint8_t>& wav) override;
  void SetVolume(int percent) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform::sdl
