// The pay rules of a stopped window as plain arithmetic: no drawing, no sound, no
// allocation. The game replays the events they return with its redraws and sounds;
// the simulator and the tests call them directly.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace rules {

// The three cells of each payline, lines 1 to 8 at index 0 to 7. The order matters:
// the Cherry pays read the first cell, then the second.
constexpr std::array<std::array<int, 3>, 8> kPaylines{{
    {0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6}, {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {6, 4, 2}}};

constexpr int32_t kCherriesFull = 6;
constexpr int32_t kBellsFull = 3;
constexpr int32_t kBellPoolStart = 100;
constexpr int32_t kBarRollsPerLine = 7;
constexpr int32_t kScreenBonusAllFruit = 10;
constexpr int32_t kScreenBonusRollSevens = 7;
// The ten result items the win flash walks: the eight lines, the spin's total and the
// screen bonus.
constexpr int kResultItemSpinTotal = 8;
constexpr int kResultItemScreen = 9;
constexpr int kResultItemCount = 10;

enum class SpinKind : uint8_t { Regular, CherryRoll, BarRoll };

// Multiplier per coin of one line, the first matching rule of each table.
int32_t RegularLineMultiplier(int a, int b, int c);
int32_t CherryRollLineMultiplier(int a, int b, int c);
int32_t BarRollLineMultiplier(int a, int b, int c);
// Sevens screen bonus per coin on each of the eight lines: 0 below three Sevens.
int32_t SevensMultiplier(int sevens);

// The stopped window with the bet, the bonus lamp and the meters it starts from.
struct SpinInput {
  std::array<uint8_t, 9> Cells{};
  int32_t LinesPlayed = 8;
  int32_t CoinsPerLine = 1;
  bool BonusLamp = false;
  int32_t Cherries = kCherriesFull;
  int32_t Bells = kBellsFull;
  int32_t BellPool = kBellPoolStart;
};

// What the player sees and hears while a regular spin is evaluated, in order. Value is
// the meter after the change (Cherries, Bells or BellPool).
enum class EventKind : uint8_t {
  CherryStep,     // Cherries one down: cherries row, the cherry sound
  BellLine,       // Bells one down: bells row, the bell sound
  BellPoolAdded,  // a contribution: Bell Pool meter
  AllFruit,       // the All Fruit bonus: the All Fruit sound
  BellRefill,     // Bells one up after an award: bells row, the bell sound
  BellPoolReset,  // the pool is back at its start after an award: whole window
  CherryRefill,   // Cherries one up after the meter ran out: cherries row, the cherry sound
};

struct Event {
  EventKind Kind;
  int32_t Value;
};

// At most 24 cherry steps (eight lines of three), 8 bell lines, 1 contribution or
// All Fruit sound, 3 bell refills with the reset, 6 cherry refills.
constexpr int kMaxEvents = 48;

// One entry of the spin summary, kept as numbers until the text is wanted.
enum class EntryKind : uint8_t {
  ReturnBet,      // A = the bet; also says the lines are doubled
  RollDoubled,    // the opening of a roll with the bonus lamp
  LinePaid,       // A = line number, B = pay
  SevensBonus,    // A = Sevens in the window, B = bonus
  AllFruitBonus,  // B = bonus
  PoolAdded,      // A = contribution
  PoolWon,        // B = award
  RollSevens,     // A = roll Sevens in the window, B = amount
};

struct Entry {
  EntryKind Kind;
  int32_t A;
  int32_t B;
};

// Opening, eight lines, a screen bonus or contribution, a Bell Pool award.
constexpr int kMaxEntries = 12;
constexpr size_t kSummaryLimit = 255;

struct SpinOutcome {
  std::array<int32_t, 8> LineWins{};  // line 1 at index 0
  int32_t SpinWin = 0;                // everything the spin pays, returned bet included
  int32_t ReturnedBet = 0;
  int32_t ScreenBonusKind = 0;
  int32_t FirstWinItem = -1;  // the result item the win flash starts on; -1 for none

  // Meters after the spin.
  int32_t Cherries = 0;
  int32_t Bells = 0;
  int32_t BellPool = 0;

  // Rolls earned and statistics to add.
  int32_t CherryRollsEarned = 0;
  int32_t BarRollsEarned = 0;
  int32_t SevensWon = 0;
  int32_t FruitWon = 0;
  int32_t BellPoolWon = 0;
  int32_t SkillStopWins = 0;

  std::array<Event, kMaxEvents> Events{};
  int EventCount = 0;
  std::array<Entry, kMaxEntries> Entries{};
  int EntryCount = 0;
};

SpinOutcome EvaluateWindow(SpinKind kind, const SpinInput& in);

// The summary as the game records it and the simulator prints it, in English: entries
// ending in CR LF, cut at 255 characters, or the no-win text when the spin wrote nothing.
std::string SummaryText(const SpinOutcome& out);
// The same summary in the player's language, as the Summary box shows it.
std::string ShownSummaryText(const SpinOutcome& out);

}  // namespace rules
