// vantello-sim eval: one stopped window through the game's own evaluation and payout,
// answered as one line of JSON.
#include <array>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "rules/strips.h"
#include "machine/evaluation.h"
#include "rules/pay_rules.h"
#include "tools/sim/args.h"
#include "tools/sim/commands.h"
#include "tools/sim/json.h"
#include "tools/sim/silent_machine.h"

namespace sim {

namespace {

constexpr int64_t kInt32Max = 2147483647;

struct EvalOptions {
  std::array<uint8_t, 9> cells{};
  rules::SpinKind mode = rules::SpinKind::Regular;
  int32_t lines = 8;
  int32_t coins = 1;
  bool bonus_lamp = false;
  int32_t credits = 1000;
  int32_t cherries = 6;
  int32_t bells = 3;
  int32_t bell_pool = 100;
};

std::array<uint8_t, 9> ParseCells(const std::string& text) {
  std::vector<std::string> words = SplitWords(text);
  if (words.size() != 9)
    throw UsageError("--cells wants 9 symbol codes, got " + std::to_string(words.size()));
  std::array<uint8_t, 9> cells{};
  for (int w = 0; w < 9; ++w)
    cells[w] = static_cast<uint8_t>(
        ParseNumber("--cells (cell " + std::to_string(w) + ")", words[w], 0, rules::kSymbolCount - 1));
  return cells;
}

rules::SpinKind ParseMode(const std::string& text) {
  if (text == "regular") return rules::SpinKind::Regular;
  if (text == "cherry") return rules::SpinKind::CherryRoll;
  if (text == "bar") return rules::SpinKind::BarRoll;
  throw UsageError("--mode: '" + text + "' is not regular, cherry or bar");
}

EvalOptions ParseEvalOptions(const std::vector<std::string>& args) {
  EvalOptions o;
  bool have_cells = false;
  OptionReader reader(args);
  auto number = [&](const std::string& name, int64_t low, int64_t high) {
    return static_cast<int32_t>(ParseNumber(name, reader.Value(name), low, high));
  };
  for (std::string name; reader.Next(name);) {
    if (name == "--cells") {
      o.cells = ParseCells(reader.Value(name));
      have_cells = true;
    } else if (name == "--mode") {
      o.mode = ParseMode(reader.Value(name));
    } else if (name == "--lines") {
      o.lines = number(name, 0, 8);
    } else if (name == "--coins") {
      o.coins = number(name, 0, 8);
    } else if (name == "--bonus-lamp") {
      o.bonus_lamp = true;
    } else if (name == "--credits") {
      o.credits = number(name, 0, kInt32Max);
    } else if (name == "--cherries") {
      o.cherries = number(name, 1, 6);
    } else if (name == "--bells") {
      o.bells = number(name, 1, 3);
    } else if (name == "--bell-pool") {
      o.bell_pool = number(name, 0, kInt32Max);
    } else if (name == "--help") {
      throw HelpWanted{};
    } else {
      throw UsageError("eval: unknown option '" + name + "'");
    }
  }
  if (!have_cells) throw UsageError("eval: --cells is required");
  return o;
}

std::string Answer(const machine::Machine& m, int32_t spin_win) {
  const rules::GameState& g = m.g;
  std::ostringstream out;
  out << "{\"line_wins\":[";
  for (int i = 0; i < 8; ++i) out << (i ? "," : "") << g.LineWins[i];
  out << "],\"spin_win\":" << spin_win << ",\"screen_bonus\":" << g.ScreenBonusKind
      << ",\"win_item\":" << m.animation.FlashedItem << ",\"summary\":" << JsonQuote(g.LastSpinSummary)
      << ",\"credits\":" << g.Credits << ",\"cherries\":" << g.Cherries << ",\"bells\":" << g.Bells
      << ",\"bell_pool\":" << g.BellPool << ",\"cherry_rolls_left\":" << g.CherryRollsLeft
      << ",\"bar_rolls_left\":" << g.BarRollsLeft << ",\"sevens_won\":" << g.SevensWon
      << ",\"fruit_won\":" << g.FruitWon << ",\"bell_pool_won\":" << g.BellPoolWon
      << ",\"got_bonus_count\":" << g.SkillStopWins << "}";
  return out.str();
}

}  // namespace

int EvalCommand(const std::vector<std::string>& args) {
  const EvalOptions o = ParseEvalOptions(args);
  SilentMachine sim;
  rules::GameState& g = sim.m.g;
  sim.ShowWindow(o.cells);
  g.LinesPlayed = o.lines;
  g.CoinsPerLine = o.coins;
  g.BonusLamp = o.bonus_lamp;
  g.Credits = o.credits;
  g.Cherries = o.cherries;
  g.Bells = o.bells;
  g.BellPool = o.bell_pool;

  switch (o.mode) {
    case rules::SpinKind::Regular: machine::EvaluateRegularSpin(sim.m); break;
    case rules::SpinKind::CherryRoll:
      g.CherryRollMode = true;
      machine::EvaluateCherryRoll(sim.m);
      break;
    case rules::SpinKind::BarRoll:
      g.BarRollMode = true;
      machine::EvaluateBarRoll(sim.m);
      break;
  }
  // Paid at once, with no card game, SpinWin still holds the win as evaluated.
  std::cout << Answer(sim.m, g.SpinWin) << '\n';
  return 0;
}

}  // namespace sim
