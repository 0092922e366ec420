// What the machine pays in the long run, worked out exactly from its own rules: the
// strips, the chaser, the pay rules and the meters. Nothing here restates a pay rule;
// every table below is derived at start-up by asking the game's own functions
// (the line multipliers and EvaluateWindow) about representative windows.
#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "analysis/figures.h"
#include "rules/game_state.h"
#include "rules/pay_rules.h"
#include "rules/strips.h"

namespace analysis {

// Whether a spin ends with the bonus lamp lit, for each of the chaser's twelve equally
// likely starts: index [direction is +1][position].
using LampTable = std::array<std::array<bool, 6>, 2>;
// For SkillStop::None or Perfect; a person's chance is not a table (skill_model.h).
LampTable BonusLampTable(SkillStop skill);
double BonusLampProbability(const LampTable& lamps);
// Whether a player stopping at the first sight of all six lamps lit wins the lamp.
bool PerfectStopLightsLamp(int pos, int dir);

// What one payline showing a, b, c does.
struct LineEffect {
  int32_t Multiplier = 0;  // per coin, before the bonus lamp
  int8_t CherrySteps = 0;
  int8_t BellLines = 0;
  int8_t BarRolls = 0;
  uint8_t Combination = 0;  // index into LineTable::Combinations; 0 pays nothing
};

// A paying combination of a line, named for the pay sheet.
struct Combination {
  std::string Key;
  std::string Label;
  int32_t Multiplier = 0;
};

struct LineTable {
  std::array<LineEffect, rules::kSymbolCount * rules::kSymbolCount * rules::kSymbolCount> Effects{};
  std::vector<Combination> Combinations;  // [0] is "no pay"
  const LineEffect& At(int a, int b, int c) const {
    return Effects[static_cast<size_t>((a * rules::kSymbolCount + b) * rules::kSymbolCount + c)];
  }
};

LineTable DeriveLineTable(rules::SpinKind kind);

// What a regular window pays or adds as a whole, with the bonus lamp off.
struct ScreenEffect {
  int32_t SevensBonus = 0;
  int32_t FruitBonus = 0;
  int32_t Contribution = 0;  // to the Bell Pool
};

// What the Cherries and Bells meters do on a regular spin with a number of cherry steps
// and Bell lines.
struct MeterMove {
  int8_t Cherries = 0;  // after the spin
  int8_t Bells = 0;
  int8_t CherryRolls = 0;
  bool PoolWon = false;
  bool Known = false;  // some window of the played lines gives these steps and lines
};

constexpr int kMaxSteps = 8 * 3;
constexpr int kMaxBellLines = 8;

// Everything the pay sheet and the simulator need, derived from the game for one bet.
struct MachineTables {
  int32_t LinesPlayed = 8;
  int32_t CoinsPerLine = 1;
  int32_t Bet = 8;

  std::array<rules::Strip, 9> RegularStrips{};
  rules::Strip CherryRollStrip{};
  rules::Strip BarRollStrip{};
  LineTable RegularLines, CherryRollLines, BarRollLines;

  // [Sevens 0..9][some cell not fruit][a Seven in the centre]
  std::array<std::array<std::array<ScreenEffect, 2>, 2>, 10> Screen{};
  // What the roll Sevens pay, by how many the window shows.
  std::array<int32_t, 10> CherryRollSevens{};
  std::array<int32_t, 10> BarRollSevens{};

  int32_t LampFactor = 2;      // what the bonus lamp multiplies wins by
  int32_t ReturnedBet = 0;     // what the bonus lamp gives back on a regular spin
  int32_t BellPoolStart = 0;   // the pool right after an award
  int32_t BarRollsPerLine = 0; // Bar Rolls earned by one line that earns any

  // [Cherries 1..6 - 1][Bells 1..3 - 1][steps][Bell lines]
  std::array<std::array<std::array<std::array<MeterMove, kMaxBellLines + 1>, kMaxSteps + 1>,
                        rules::kBellsFull>,
             rules::kCherriesFull>
      Moves{};
  const MeterMove& Move(int32_t cherries, int32_t bells, int steps, int bell_lines) const {
    return Moves[cherries - 1][bells - 1][steps][bell_lines];
  }

  // Cherry steps and Bell lines of each cherry/bell/other pattern of the window
  // (cell w's class is digit w in base 3: 0 Cherry, 1 Bell, 2 anything else).
  std::vector<std::pair<int8_t, int8_t>> PatternSteps;
};

MachineTables DeriveMachineTables(int32_t lines, int32_t coins);

// The workings behind a pay sheet, kept for whoever checks them.
struct ParWorkings {
  // Long-run chance of each meter state before a regular spin, [Cherries - 1][Bells - 1].
  std::array<std::array<double, rules::kBellsFull>, rules::kCherriesFull> Stationary{};
  // Joint chance of (cherry steps, Bell lines) from the cherry/bell/other patterns and
  // from the full enumeration of the window; the two must agree.
  std::map<std::pair<int, int>, double> StepsFromPatterns;
  std::map<std::pair<int, int>, double> StepsFromWindows;
  double PoolAwardRate = 0;         // awards per regular spin
  double PoolContribution = 0;      // credits added to the pool per regular spin
  double PoolPaid = 0;              // credits the pool pays per regular spin, lamp aside
  double MeanWin = 0;               // credits per regular spin, rolls included
  double WinVariance = 0;
  double MeanLineAndScreen = 0;     // expected lines and screen bonus, lamp aside
};

// The return to player, % of the bet, is a straight line in the chance p of the bonus
// lamp: Base + PerLamp x p. Nothing else in the long run depends on the lamp, which
// doubles what a spin pays and gives back the bet of a regular spin. Were a roll's
// chance q apart from a regular spin's p, the return would be
// Base + PerRegularLamp x p + PerRollLamp x q: straight in each, with no p x q term,
// since a roll's lamp doubles only the roll. The game runs the same chaser on both.
struct LampReturnLine {
  double Base = 0;
  double PerLamp = 0;
  double PerRegularLamp = 0;
  double PerRollLamp = 0;
  double At(double p) const { return Base + PerLamp * p; }
};
struct ParSheet {
  Report Figures;
  ParWorkings Workings;
  LampReturnLine LampLine;  // the return for this bet against any chance of the lamp
};

// The sheet for a player who never stops or stops perfectly (SkillStop::None, Perfect).
ParSheet ComputeParSheet(const MachineTables& t, SkillStop skill);
// The sheet for a player whose spins, regular and rolls alike, end with the bonus lamp
// lit with this chance; the report names the player as `skill`.
ParSheet ComputeParSheet(const MachineTables& t, double lamp_chance, SkillStop skill = SkillStop::Human);

LampReturnLine ReturnAgainstLampChance(const MachineTables& t);
// The same for several bets of one number of lines, sharing the dear part of the work.
std::vector<LampReturnLine> ReturnAgainstLampChance(const std::vector<MachineTables>& same_lines);

// The line for every bet, worked out as above when the game is built, for a window that
// cannot wait a fifth of a second as it opens: for 1..8 lines and 1..8 coins, nullptr
// for any other bet. (Defined by the generated library vantello_lamp_lines.)
const LampReturnLine* BuiltReturnLine(int32_t lines, int32_t coins);

}  // namespace analysis
