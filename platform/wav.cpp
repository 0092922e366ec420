#include <algorithm>
#include "platform/wav.h"

#include <cmath>
#include <cstring>

namespace platform {

namespace {

uint32_t U16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

constexpr size_t kMaxWavData = size_t{64} * 1024 * 1024;
// No sound of the game lasts minutes. A longer one is refused: brought to the output
// rate, a small file at a low rate would grow more than twentyfold in memory.
constexpr size_t kMaxWavSeconds = 300;

}  // namespace

bool DecodeWav(const uint8_t* data, size_t size, Pcm& out, std::string* error) {
  if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return Fail(error, "not a WAV file");
  int channels = 0, bits = 0;
  uint32_t rate = 0;
  bool have_format = false;
  size_t pos = 12;
  while (pos + 8 <= size) {
    const uint8_t* chunk = data + pos;
    size_t length = U32(chunk + 4);
    size_t body = pos + 8;
    if (length > size - body) length = size - body;  // a cut-off last chunk plays what is there
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (length < 16) return Fail(error, "bad WAV format chunk");
      if (U16(data + body) != 1) return Fail(error, "compressed WAV not supported");
      channels = static_cast<int>(U16(data + body + 2));
      rate = U32(data + body + 4);
      bits = static_cast<int>(U16(data + body + 14));
      if (channels < 1 || channels > 2 || (bits != 8 && bits != 16) || rate < 1000 || rate > 192000)
        return Fail(error, "unsupported WAV format");
      have_format = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!have_format) return Fail(error, "WAV data before its format");
      if (length > kMaxWavData) return Fail(error, "WAV sound too long");
      size_t frame = static_cast<size_t>(channels) * (bits / 8);
      size_t frames = length / frame;
      if (frames > kMaxWavSeconds * rate) return Fail(error, "WAV sound too long");
      Pcm pcm;
      pcm.rate = static_cast<int>(rate);
      pcm.samples.resize(frames);
      for (size_t i = 0; i < frames; ++i) {
        int sum = 0;
        for (int c = 0; c < channels; ++c) {
          const uint8_t* s = data + body + i * frame + static_cast<size_t>(c) * (bits / 8);
          sum += bits == 8 ? (static_cast<int>(s[0]) - 128) * 256 : static_cast<int16_t>(U16(s));
        }
        pcm.samples[i] = static_cast<int16_t>(sum / channels);
      }
      out = std::move(pcm);
      return true;
    }
    pos = body + length + (length & 1);
  }
  return Fail(error, "WAV file without sound data");
}

Pcm Resample(const Pcm& in, int rate) {
  if (in.rate == rate || in.samples.empty()) {
    Pcm same = in;
    same.rate = rate;
    return same;
  }
  Pcm out;
  out.rate = rate;
  size_t n = static_cast<size_t>(static_cast<double>(in.samples.size()) * rate / in.rate);
  out.samples.resize(n);
  for (size_t i = 0; i < n; ++i) {
    double at = static_cast<double>(i) * in.rate / rate;
    size_t a = static_cast<size_t>(at);
    size_t b = std::min(a + 1, in.samples.size() - 1);
    double f = at - static_cast<double>(a);
    // Rounded, not truncated: truncation pulls every sample toward zero and can step
    // outside the two samples it lies between.
    double v = in.samples[a] + (in.samples[b] - in.samples[a]) * f;
    out.samples[i] = static_cast<int16_t>(std::lround(v));
  }
  return out;
}

Pcm DefaultBeep(int rate) {
  Pcm beep;
  beep.rate = rate;
  int n = rate / 8;
  beep.samples.resize(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    double envelope = std::min(1.0, std::min(i, n - i) / (rate * 0.01));
    beep.samples[i] = static_cast<int16_t>(6000 * envelope * std::sin(2 * M_PI * 880.0 * i / rate));
  }
  return beep;
}

void ScaleVolume(Pcm& pcm, int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == 100) return;
  // Loudness goes roughly with the square of the amplitude's share.
  const double gain = (percent / 100.0) * (percent / 100.0);
  for (int16_t& s : pcm.samples) s = static_cast<int16_t>(std::lround(s * gain));
}

}  // namespace platform
