// Reading WAV sounds: uncompressed PCM, 8 or 16 bits, mono or stereo, decoded to
// 16-bit mono at the file's own rate. Anything else is refused, never guessed at.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct Pcm {
  int rate = 22050;
  std::vector<int16_t> samples;  // mono
};

bool DecodeWav(const uint8_t* data, size_t size, Pcm& out, std::string* error = nullptr);

// The same sound at another rate (linear interpolation).
Pcm Resample(const Pcm& in, int rate);

// A short, plain beep: the default sound for a file that cannot be played.
Pcm DefaultBeep(int rate);

// The sound at `percent` of its loudness (0 to 100); the level follows the ear, so that each
// step of the volume sounds like the same step.
void ScaleVolume(Pcm& pcm, int percent);

}  // namespace platform
