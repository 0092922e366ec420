// The figures of a pay sheet or a simulation: what each one is, its JSON key and its
// label, written once in kFigures and looked up by FigureId everywhere else.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace analysis {

struct MachineTables;

// How the player uses the skill stop: never, the moment all six chaser lamps are lit, or
// as a person with a timing error does (skill_model.h), whose chance of the lamp is given.
enum class SkillStop : uint8_t { None, Perfect, Human };

enum class FigureGroup : uint8_t { Summary, ReturnBySource, AwardOdds };
enum class Basis : uint8_t { Spin, Line, CherryRoll, CherryRollLine, BarRoll, BarRollLine };
enum class Measure : uint8_t { PercentOfBet, Percent, Probability, Count, Credits };

// In the order the sheet shows them.
enum class FigureId : uint8_t {
  Rtp,
  HitFrequency,
  BonusLamp,
  CherryRollsPerSpin,
  BarRollsPerSpin,
  Volatility,

  LineReturn,
  SevensBonusReturn,
  AllFruitReturn,
  BellPoolReturn,
  CherryRollsReturn,
  BarRollsReturn,
  ReturnedBet,

  LineOdds,
  SevensOdds,
  AllFruitOdds,
  BellPoolOdds,
  CherryRollsEarned,
  BarRollsEarned,
  CherryRollLineOdds,
  CherryRollSevensOdds,
  BarRollLineOdds,
  BarRollSevensOdds,
};

// Some figures come once for each paying combination of a line, or for each number
// of Sevens that pays a screen bonus; the rest come once.
enum class FigureItems : uint8_t { One, RegularLines, CherryRollLines, BarRollLines, SevensCounts };

struct FigureInfo {
  FigureId Id;
  FigureGroup Group;
  FigureItems Items;
  Basis Per;
  Measure Unit;
  // The JSON key and the label. A line combination's key and label follow these; a
  // count of Sevens comes before the label and after the key.
  std::string_view Key;
  std::string_view Label;
};

inline constexpr std::array<FigureInfo, 23> kFigures{{
    {FigureId::Rtp, FigureGroup::Summary, FigureItems::One, Basis::Spin, Measure::PercentOfBet, "rtp",
     "Return to player"},
    {FigureId::HitFrequency, FigureGroup::Summary, FigureItems::One, Basis::Spin, Measure::Percent, "hit_frequency",
     "Hit frequency"},
    {FigureId::BonusLamp, FigureGroup::Summary, FigureItems::One, Basis::Spin, Measure::Probability, "bonus_lamp",
     "Bonus lamp"},
    {FigureId::CherryRollsPerSpin, FigureGroup::Summary, FigureItems::One, Basis::Spin, Measure::Count,
     "cherry_rolls_per_spin", "Cherry Rolls per spin"},
    {FigureId::BarRollsPerSpin, FigureGroup::Summary, FigureItems::One, Basis::Spin, Measure::Count,
     "bar_rolls_per_spin", "Bar Rolls per spin"},
    {FigureId::Volatility, FigureGroup::Summary, FigureItems::One, Basis::Spin, Measure::Credits, "volatility",
     "Volatility (standard deviation of the win)"},

    {FigureId::LineReturn, FigureGroup::ReturnBySource, FigureItems::RegularLines, Basis::Spin,
     Measure::PercentOfBet, "", ""},
    {FigureId::SevensBonusReturn, FigureGroup::ReturnBySource, FigureItems::One, Basis::Spin, Measure::PercentOfBet,
     "sevens_bonus", "Sevens screen bonus"},
    {FigureId::AllFruitReturn, FigureGroup::ReturnBySource, FigureItems::One, Basis::Spin, Measure::PercentOfBet,
     "all_fruit", "All Fruit bonus"},
    {FigureId::BellPoolReturn, FigureGroup::ReturnBySource, FigureItems::One, Basis::Spin, Measure::PercentOfBet,
     "bell_pool", "Bell Pool"},
    {FigureId::CherryRollsReturn, FigureGroup::ReturnBySource, FigureItems::One, Basis::Spin, Measure::PercentOfBet,
     "cherry_rolls", "Cherry Rolls"},
    {FigureId::BarRollsReturn, FigureGroup::ReturnBySource, FigureItems::One, Basis::Spin, Measure::PercentOfBet,
     "bar_rolls", "Bar Rolls (FREE Spins)"},
    {FigureId::ReturnedBet, FigureGroup::ReturnBySource, FigureItems::One, Basis::Spin, Measure::PercentOfBet,
     "returned_bet", "Returned bets (bonus lamp)"},

    {FigureId::LineOdds, FigureGroup::AwardOdds, FigureItems::RegularLines, Basis::Line, Measure::Probability, "",
     ""},
    {FigureId::SevensOdds, FigureGroup::AwardOdds, FigureItems::SevensCounts, Basis::Spin, Measure::Probability,
     "sevens_", " Sevens in the window"},
    {FigureId::AllFruitOdds, FigureGroup::AwardOdds, FigureItems::One, Basis::Spin, Measure::Probability, "all_fruit",
     "All Fruit"},
    {FigureId::BellPoolOdds, FigureGroup::AwardOdds, FigureItems::One, Basis::Spin, Measure::Probability, "bell_pool",
     "Bell Pool won"},
    {FigureId::CherryRollsEarned, FigureGroup::AwardOdds, FigureItems::One, Basis::Spin, Measure::Probability,
     "cherry_roll_earned", "Cherry Rolls earned"},
    {FigureId::BarRollsEarned, FigureGroup::AwardOdds, FigureItems::One, Basis::Spin, Measure::Probability,
     "bar_rolls_earned", "FREE Spins earned"},
    {FigureId::CherryRollLineOdds, FigureGroup::AwardOdds, FigureItems::CherryRollLines, Basis::CherryRollLine,
     Measure::Probability, "cherry_roll_", "Cherry Roll: "},
    {FigureId::CherryRollSevensOdds, FigureGroup::AwardOdds, FigureItems::One, Basis::CherryRoll,
     Measure::Probability, "cherry_roll_sevens", "Cherry Roll: Roll Sevens pay"},
    {FigureId::BarRollLineOdds, FigureGroup::AwardOdds, FigureItems::BarRollLines, Basis::BarRollLine,
     Measure::Probability, "bar_roll_", "Bar Roll: "},
    {FigureId::BarRollSevensOdds, FigureGroup::AwardOdds, FigureItems::One, Basis::BarRoll, Measure::Probability,
     "bar_roll_sevens", "Bar Roll: Roll Sevens pay"},
}};

constexpr const FigureInfo& InfoOf(FigureId id) { return kFigures[static_cast<size_t>(id)]; }

constexpr bool TableFollowsIds() {
  for (size_t i = 0; i < kFigures.size(); ++i)
    if (static_cast<size_t>(kFigures[i].Id) != i) return false;
  return static_cast<size_t>(FigureId::BarRollSevensOdds) + 1 == kFigures.size();
}
static_assert(TableFollowsIds(), "kFigures lists every FigureId once, in order");

struct Figure {
  FigureId Id = FigureId::Rtp;
  // Which combination (its index in the line table) or how many Sevens; 0 for a figure
  // that comes once.
  int Item = 0;
  std::string Key;
  std::string Label;
  double Value = 0;
  // The simulation's confidence interval and how many spins, lines or rolls showed
  // the event behind the figure.
  double Low = std::numeric_limits<double>::quiet_NaN();
  double High = std::numeric_limits<double>::quiet_NaN();
  int64_t Events = -1;

  FigureGroup Group() const { return InfoOf(Id).Group; }
  Basis Per() const { return InfoOf(Id).Per; }
  Measure Unit() const { return InfoOf(Id).Unit; }
};

struct Report {
  int32_t LinesPlayed = 8;
  int32_t CoinsPerLine = 1;
  int32_t Bet = 8;
  SkillStop Skill = SkillStop::None;
  std::vector<Figure> Figures;

  const Figure* Find(FigureId id, int item = 0) const;
  double Value(FigureId id, int item = 0) const;
};

// The figures this bet has, values left at 0.
std::vector<Figure> ReportLayout(const MachineTables& t);

}  // namespace analysis
