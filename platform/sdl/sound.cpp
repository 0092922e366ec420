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
  int volume = 100;

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

  // Returns the sound's length in milliseconds.
  int Play(const Pcm& pcm) {
    if (!Open()) return 0;
    Pcm sound = Resample(pcm, kRate);
    ScaleVolume(sound, volume);
    SDL_ClearQueuedAudio(device);
    SDL_QueueAudio(device, sound.samples.data(),
                   static_cast<Uint32>(sound.samples.size() * sizeof(int16_t)));
    return static_cast<int>(sound.samples.size() * 1000 / kRate);
  }

  int PlayBytes(const std::vector<uint8_t>& bytes) {
    Pcm pcm;
    if (bytes.empty() || !DecodeWav(bytes.data(), bytes.size(), pcm)) pcm = DefaultBeep(kRate);
    return Play(pcm);
  }
};

Sound::Sound() : impl_(std::make_unique<Impl>()) {}

Sound::~Sound() {
  if (impl_->device) SDL_CloseAudioDevice(impl_->device);
  if (impl_->tried) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int Sound::PlayFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!ReadFile(path, bytes, size_t{16} * 1024 * 1024)) bytes.clear();
  return impl_->PlayBytes(bytes);
}

void Sound::PlayMemory(const std::vector<uint8_t>& wav) { impl_->PlayBytes(wav); }

void Sound::SetVolume(int percent) { impl_->volume = percent; }

}  // namespace platform::sdl
