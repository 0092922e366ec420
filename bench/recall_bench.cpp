// Keeping a finished game in the recall: the game added, the file's text made and written
// whole beside the saved games, synced to the disk. Target: under 1 ms a game, so that the
// recall never slows a spin. Games as a long one is: a spin, four rolls and three cards.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "persistence/recall.h"

namespace {

rules::GameRecord LongGame() {
  rules::GameRecord g;
  g.lines = g.coins = 8;
  g.bet = 64;
  g.credits_before = 123456;
  g.credits_after = 124000;
  g.win = 608;
  g.turns.resize(5);
  for (size_t t = 0; t < g.turns.size(); ++t) {
    rules::TurnRecord& turn = g.turns[t];
    turn.kind = t == 0 ? rules::TurnKind::Spin : rules::TurnKind::CherryRoll;
    turn.seed = 86399999 - t;
    for (int w = 0; w < 9; ++w) turn.stops[w] = turn.cells[w] = (w * 7 + static_cast<int>(t)) % 12;
    turn.line_wins = {16, 0, 32, 0, 0, 8, 0, 0};
    turn.win = 56;
  }
  g.gamble = {{0, 56, 12, 112}, {0, 112, 51, 224}, {0, 224, 3, 0}};
  g.between = {{rules::BetweenKind::Borrow, 0, 100}};
  return g;
}

// The folder a saved game would be in, for the benchmark's own recall file.
std::string BenchFolder(const char* where) {
  const std::filesystem::path folder = std::filesystem::path(where) / "vantello-recall-bench";
  std::filesystem::create_directories(folder);
  return (folder / "Vantello.ini").string();
}

void BM_KeepGameInRecall(benchmark::State& state, const char* where, int keep) {
  persistence::Recall recall(BenchFolder(where), nullptr, keep);
  const rules::GameRecord game = LongGame();
  for (auto _ : state) {
    if (!recall.Keep(game, rules::Meters{})) state.SkipWithError(recall.File().Failure().c_str());
  }
  std::filesystem::remove_all(std::filesystem::path(BenchFolder(where)).parent_path());
}

void BM_RecallText(benchmark::State& state, int keep) {
  const std::vector<rules::GameRecord> games(keep, LongGame());
  for (auto _ : state) benchmark::DoNotOptimize(persistence::RecallText(games, keep, rules::Meters{}).Text().data());
}

}  // namespace

// /var/tmp is on the disk, as the player's data folder is; /tmp may be in memory.
BENCHMARK_CAPTURE(BM_KeepGameInRecall, ten_games_disk, "/var/tmp", 10)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_KeepGameInRecall, hundred_games_disk, "/var/tmp", 100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RecallText, ten_games, 10)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RecallText, hundred_games, 100)->Unit(benchmark::kMicrosecond);
