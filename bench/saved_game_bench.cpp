// Loading and saving a game when the file is as large as the game will read (4 MB) and
// made of the shortest lines. Target: each well under a tenth of a second, so that even
// the slot dialog's nine loads and two saves on such a file do not freeze the window.
#include <benchmark/benchmark.h>

#include <string>

#include "persistence/saved_game.h"
#include "platform/profile_file.h"

namespace {

std::string FullFileOf(const std::string& line) {
  std::string text = "[GameNo1]\n";
  while (text.size() + line.size() <= platform::kMaxProfileFileBytes - 400) text += line;
  return text + "[CurrentGame]\nCredits=5\n";
}

void BM_LoadFromFullFile(benchmark::State& state, const std::string& line) {
  const platform::ProfileText text(FullFileOf(line));
  rules::GameState g;
  for (auto _ : state) {
    persistence::LoadGameSection(g, text, persistence::kCurrentGameSlot, "01/01/25");
    benchmark::DoNotOptimize(g.Credits);
  }
}

void BM_SaveIntoFullFile(benchmark::State& state, const std::string& line) {
  const std::string full = FullFileOf(line);
  const rules::GameState g;
  const auto keys = persistence::GameSectionKeys(g, "CurrentGame", "01/01/25");
  for (auto _ : state) {
    platform::ProfileText text(full);
    text.Write("CurrentGame", keys);
    benchmark::DoNotOptimize(text.Text().data());
  }
}

}  // namespace

BENCHMARK_CAPTURE(BM_LoadFromFullFile, empty_lines, std::string("\n"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadFromFullFile, short_keys, std::string("k=v\n"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveIntoFullFile, empty_lines, std::string("\n"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveIntoFullFile, short_keys, std::string("k=v\n"))->Unit(benchmark::kMillisecond);
