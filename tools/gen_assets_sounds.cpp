// The game's sounds, synthesised: short tones with soft envelopes, so none of them
// clicks at its start or end.
#include <algorithm>
#include <cmath>

#include "tools/art/art.h"

namespace art {

namespace {

constexpr double kRate = kSoundRate;

// A buffer of samples in -1..1 that notes are mixed into.
struct Track {
  std::vector<double> s;
  explicit Track(double seconds) : s(static_cast<size_t>(seconds * kRate), 0.0) {}

  // A note with a fast attack and an exponential decay; `partials` are pairs of
  // (frequency ratio, amplitude).
  void Note(double start, double length, double freq, double amp, double decay,
            std::initializer_list<std::pair<double, double>> partials, double attack = 0.004) {
    size_t from = static_cast<size_t>(start * kRate);
    size_t n = static_cast<size_t>(length * kRate);
    for (size_t i = 0; i < n && from + i < s.size(); ++i) {
      double t = i / kRate;
      double env = std::min(1.0, t / attack) * std::exp(-t * decay);
      double tail = std::min(1.0, (length - t) / 0.012);  // let every note fade out
      double v = 0;
      for (auto [ratio, a] : partials) v += a * std::sin(2 * M_PI * freq * ratio * t);
      s[from + i] += amp * env * std::max(0.0, tail) * v;
    }
  }

  // A tone gliding from f0 to f1.
  void Glide(double start, double length, double f0, double f1, double amp,
             std::initializer_list<std::pair<double, double>> partials) {
    size_t from = static_cast<size_t>(start * kRate);
    size_t n = static_cast<size_t>(length * kRate);
    double phase = 0;
    for (size_t i = 0; i < n && from + i < s.size(); ++i) {
      double t = i / kRate, u = t / length;
      double f = f0 * std::pow(f1 / f0, u);
      phase += 2 * M_PI * f / kRate;
      double env = std::min(1.0, t / 0.01) * (1 - u) * (1 - u * 0.3);
      double v = 0;
      for (auto [ratio, a] : partials) v += a * std::sin(phase * ratio);
      s[from + i] += amp * env * v;
    }
  }

  // Filtered noise burst, for the mechanical parts of a click.
  void Noise(double start, double length, double amp, double decay) {
    size_t from = static_cast<size_t>(start * kRate);
    size_t n = static_cast<size_t>(length * kRate);
    uint32_t seed = 12345;
    double low = 0;
    for (size_t i = 0; i < n && from + i < s.size(); ++i) {
      seed = seed * 1664525u + 1013904223u;
      double white = ((seed >> 8) & 0xFFFF) / 32768.0 - 1.0;
      low += (white - low) * 0.35;
      double t = i / kRate;
      s[from + i] += amp * std::exp(-t * decay) * (white - low);
    }
  }

  std::vector<int16_t> Finish() const {
    double peak = 1e-9;
    for (double v : s) peak = std::max(peak, std::abs(v));
    double gain = std::min(1.0, 0.8 / peak);
    std::vector<int16_t> out(s.size());
    size_t fade_in = static_cast<size_t>(0.002 * kRate), fade_out = static_cast<size_t>(0.006 * kRate);
    for (size_t i = 0; i < s.size(); ++i) {
      double env = 1;
      if (i < fade_in) env = double(i) / fade_in;
      if (i + fade_out > s.size()) env = std::min(env, double(s.size() - i) / fade_out);
      out[i] = static_cast<int16_t>(std::lround(std::clamp(s[i] * gain * env, -1.0, 1.0) * 32000));
    }
    return out;
  }
};

double Note(int semitones_from_a4) { return 440.0 * std::pow(2.0, semitones_from_a4 / 12.0); }
constexpr int C5 = 3, D5 = 5, E5 = 7, G5 = 10, A5 = 12, B5 = 14, C6 = 15, D6 = 17, E6 = 19,
              G6 = 22, C7 = 27;

const std::initializer_list<std::pair<double, double>> kBrass = {{1, 1}, {2, 0.5}, {3, 0.3}, {4, 0.15}};
const std::initializer_list<std::pair<double, double>> kChime = {{1, 1}, {2, 0.25}, {3.01, 0.1}};
const std::initializer_list<std::pair<double, double>> kBell = {{1, 1}, {2.76, 0.45}, {5.4, 0.25}, {8.93, 0.1}};

std::vector<int16_t> Click() {
  Track t(0.03);
  t.Noise(0, 0.03, 0.7, 220);
  t.Note(0, 0.03, 1900, 0.5, 180, {{1, 1}, {2.3, 0.4}}, 0.0005);
  return t.Finish();
}

std::vector<int16_t> Refusal() {
  Track t(0.25);
  const std::initializer_list<std::pair<double, double>> buzz = {
      {1, 1}, {3, 0.33}, {5, 0.2}, {7, 0.14}, {9, 0.1}};
  t.Note(0, 0.25, 110, 0.5, 3, buzz, 0.006);
  t.Note(0, 0.25, 116.5, 0.4, 3, buzz, 0.006);
  return t.Finish();
}

std::vector<int16_t> Fanfare() {
  Track t(1.0);
  const int run[] = {C5, E5, G5, C6};
  for (int i = 0; i < 4; ++i) t.Note(i * 0.12, 0.2, Note(run[i]), 0.5, 4, kBrass);
  for (int n : {C6, E6, G6}) t.Note(0.5, 0.5, Note(n), 0.35, 3.2, kBrass, 0.02);
  t.Note(0.5, 0.5, Note(C5), 0.3, 3.2, kBrass, 0.02);
  return t.Finish();
}

std::vector<int16_t> Ding() {
  Track t(0.3);
  t.Note(0, 0.3, 1320, 0.7, 11, kBell, 0.001);
  return t.Finish();
}

std::vector<int16_t> Blip() {
  Track t(0.2);
  t.Note(0, 0.09, Note(G6), 0.6, 25, kChime, 0.002);
  t.Note(0.07, 0.13, Note(C7), 0.6, 20, kChime, 0.002);
  return t.Finish();
}

std::vector<int16_t> Payout() {
  Track t(0.6);
  const int run[] = {G5, B5, D6, G6};
  for (int i = 0; i < 4; ++i) t.Note(i * 0.09, 0.25, Note(run[i]), 0.5, 9, kChime, 0.002);
  for (int i = 0; i < 5; ++i) t.Note(0.36 + i * 0.045, 0.2, 2600 + 300 * (i % 2), 0.18, 18, kBell, 0.001);
  return t.Finish();
}

std::vector<int16_t> Thud() {
  Track t(0.5);
  t.Glide(0, 0.5, 440, 140, 0.6, {{1, 1}, {2, 0.3}, {3, 0.12}});
  t.Note(0, 0.12, 70, 0.5, 25, {{1, 1}}, 0.003);
  return t.Finish();
}

std::vector<int16_t> Tick() {
  Track t(0.06);
  t.Note(0, 0.06, 2637, 0.55, 70, kBell, 0.0008);
  t.Note(0, 0.06, 3951, 0.25, 90, {{1, 1}}, 0.0008);
  return t.Finish();
}

std::vector<int16_t> WinJingle() {
  Track t(0.8);
  const int tune[] = {C6, E6, G6, E6, G6, C7};
  const double at[] = {0, 0.1, 0.2, 0.3, 0.4, 0.5};
  for (int i = 0; i < 6; ++i)
    t.Note(at[i], i == 5 ? 0.3 : 0.14, Note(tune[i]), 0.45, i == 5 ? 5 : 10, kChime, 0.003);
  t.Note(0.5, 0.3, Note(C5), 0.25, 5, kBrass, 0.01);
  return t.Finish();
}

std::vector<int16_t> Celebration() {
  Track t(1.2);
  const int arp[] = {C5, E5, G5, C6, E6, G6};
  for (int round = 0; round < 2; ++round)
    for (int i = 0; i < 6; ++i)
      t.Note(round * 0.3 + i * 0.05, 0.15, Note(arp[i] + round * 2), 0.35, 12, kChime, 0.002);
  for (int i = 0; i < 6; ++i)
    t.Note(0.6 + i * 0.05, 0.1, Note(i % 2 ? D6 : C6), 0.3, 14, kChime, 0.002);
  for (int n : {C5, G5, C6, E6, G6}) t.Note(0.9, 0.3, Note(n), 0.25, 5, kBrass, 0.015);
  t.Note(0.9, 0.3, Note(A5 + 12), 0.1, 8, kBell, 0.002);
  return t.Finish();
}

void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
void Tag(std::vector<uint8_t>& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples) {
  uint32_t data_bytes = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> b;
  Tag(b, "RIFF");
  Put32(b, 36 + data_bytes);
  Tag(b, "WAVE");
  Tag(b, "fmt ");
  Put32(b, 16);
  Put16(b, 1);  // PCM
  Put16(b, 1);  // mono
  Put32(b, kSoundRate);
  Put32(b, kSoundRate * 2);
  Put16(b, 2);
  Put16(b, 16);
  Tag(b, "data");
  Put32(b, data_bytes);
  for (int16_t v : samples) Put16(b, static_cast<uint16_t>(v));
  return b;
}

std::vector<Sound> Sounds() {
  return {{"Cherry0.wav", Click()},   {"Cherry1.wav", Refusal()}, {"Cherry2.wav", Fanfare()},
          {"Cherry4.wav", Ding()},    {"Cherry5.wav", Blip()},    {"Cherry6.wav", Payout()},
          {"Cherry7.wav", Thud()},    {"Cherry8.wav", Tick()},    {"Cherry9.wav", WinJingle()},
          {"Cherry10.wav", Celebration()}};
}

}  // namespace art
