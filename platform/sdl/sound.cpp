#include "platform/sdl/sound.h"

#include <SDL2/SDL.h>

#include "platform/bmp.h"
#include "platform/wav.h"

namespace platform::sdl {

namespace {
constexpr int kRate = 22050;
}

struct Sound::Impl {
  SDL_AudioDeviceID device = 0;
  bool tried = false;

  // Opens the audio device the first time a sound plays; no device means silence.
  bool Open() {
    if (tried) return device != 0;
    tried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device) SDL_PauseAudioDevice(device, 0);
    return device != 0;
  }

  void Play(const Pcm& pcm, bool wait) {
    if (!Open()) return;
    Pcm sound = Resample(pcm, kRate);
    SDL_ClearQueuedAudio(device);
    SDL_QueueAudio(device, sound.samples.data(),
                   static_cast<Uint32>(sound.samples.size() * sizeof(int16_t)));
    if (!wait) return;
    // The whole program waits for a waiting sound, bounded by the sound's own length.
    Uint32 limit = SDL_GetTicks() + static_cast<Uint32>(sound.samples.size() * 1000 / kRate) + 500;
    while (SDL_GetQueuedAudioSize(device) > 0 && SDL_TICKS_PASSED(limit, SDL_GetTicks())) SDL_Delay(5);
  }

  void PlayBytes(const std::vector<uint8_t>& bytes, bool wait) {
    Pcm pcm;
    if (bytes.empty() || !DecodeWav(bytes.data(), bytes.size(), pcm)) pcm = DefaultBeep(kRate);
    Play(pcm, wait);
  }
};

Sound::Sound() : impl_(std::make_unique<Impl>()) {}

Sound::~Sound() {
  if (impl_->device) SDL_CloseAudioDevice(impl_->device);
  if (impl_->tried) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void Sound::PlayFile(const std::string& path, bool wait) {
  std::vector<uint8_t> bytes;
  if (!ReadFile(path, bytes, size_t{16} * 1024 * 1024)) bytes.clear();
  impl_->PlayBytes(bytes, wait);
}

void Sound::PlayMemory(const std::vector<uint8_t>& wav) { impl_->PlayBytes(wav, false); }

}  // namespace platform::sdl
