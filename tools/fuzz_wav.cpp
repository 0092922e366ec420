// Fuzz target: any bytes as a sound file, decoded and brought to the output rate the
// way the sound player does it. Decoding must not crash, must leave the sound it was
// given alone when it refuses the file, and resampling must keep the sound's length and
// never leave the range of the samples it started from.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/fuzz_support.h"

#include "platform/wav.h"

namespace {

using fuzz::Check;
using fuzz::Put16;
using fuzz::Put32;

// The bytes as the sound data of a well-formed file, so that the fuzzer reaches the
// sample decoding without first having to guess a valid header. The first three bytes
// choose the format, and whether the file carries an extra chunk of odd length or a
// data chunk that claims more than the file holds.
std::vector<uint8_t> AsWav(const uint8_t* data, size_t size) {
  if (size < 3) return {};
  const int channels = (data[0] & 1) ? 2 : 1;
  const int bits = (data[0] & 2) ? 16 : 8;
  const uint32_t rate = 1000 + (static_cast<uint32_t>(data[1] | data[2] << 8) * 3) % 191001;
  std::vector<uint8_t> b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  if (data[0] & 4) {
    b.insert(b.end(), {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0});
  }
  b.insert(b.end(), {'f', 'm', 't', ' '});
  Put32(b, 16);
  Put16(b, 1);
  Put16(b, static_cast<uint32_t>(channels));
  Put32(b, rate);
  Put32(b, rate * channels * bits / 8);
  Put16(b, static_cast<uint32_t>(channels * bits / 8));
  Put16(b, static_cast<uint32_t>(bits));
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  Put32(b, static_cast<uint32_t>(size - 3) + ((data[0] & 8) ? 1000 : 0));
  b.insert(b.end(), data + 3, data + size);
  return b;
}

void CheckResampled(const platform::Pcm& in, int rate) {
  const platform::Pcm out = platform::Resample(in, rate);
  Check(out.rate == rate);
  if (in.rate == rate || in.samples.empty()) {
    Check(out.samples == in.samples);
    return;
  }
  const double expected = static_cast<double>(in.samples.size()) * rate / in.rate;
  Check(static_cast<double>(out.samples.size()) <= expected + 1);
  Check(static_cast<double>(out.samples.size()) >= expected - 1);
  const auto [low, high] = std::minmax_element(in.samples.begin(), in.samples.end());
  for (int16_t s : out.samples) Check(s >= *low && s <= *high);
}

void CheckSound(const uint8_t* data, size_t size, int other_rate) {
  platform::Pcm pcm;
  pcm.rate = 12345;
  pcm.samples = {7, -7};
  std::string error;
  if (!platform::DecodeWav(data, size, pcm, &error)) {
    Check(!error.empty());
    Check(pcm.rate == 12345 && pcm.samples.size() == 2);
    return;
  }
  Check(pcm.rate >= 1000 && pcm.rate <= 192000);
  // Every sample comes from at least one byte of the file.
  Check(pcm.samples.size() <= size);

  CheckResampled(pcm, 22050);  // the sound player's rate
  CheckResampled(pcm, pcm.rate);
  CheckResampled(pcm, other_rate);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const int other_rate = size ? 8000 + static_cast<int>(data[size - 1]) * 700 : 44100;
  CheckSound(data, size, other_rate);
  const std::vector<uint8_t> wav = AsWav(data, size);
  CheckSound(wav.data(), wav.size(), other_rate);
  return 0;
}
