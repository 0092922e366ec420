// GameState: everything the machine knows about the game being played. One record,
// plain fields named after the saved-game keys, read and written directly.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "rules/pay_rules.h"

namespace rules {

using Strip = std::array<uint8_t, 20>;

// A new game: a thousand credits, all of them borrowed, every line at one coin, and the
// cherries, bells and Bell Pool as the pay rules start them.
constexpr int32_t kNewGameCredits = 1000;
constexpr int32_t kMaxLines = static_cast<int32_t>(kPaylines.size());
constexpr int32_t kMaxCoinsPerLine = 8;
constexpr int32_t kNewGameCoinsPerLine = 1;

// Where the wheels stand when the machine is switched on.
constexpr std::array<int32_t, 9> kStartupStops{4, 1, 6, 7, 10, 9, 3, 0, 12};

struct GameState {
  // Saved counters.
  int32_t Credits = kNewGameCredits;
  int32_t Borrowed = kNewGameCredits;
  int32_t LinesPlayed = kMaxLines;
  int32_t CoinsPerLine = kNewGameCoinsPerLine;
  int32_t Spins = 0;
  int32_t Cherries = kCherriesFull;
  int32_t Bells = kBellsFull;
  int32_t BellPool = kBellPoolStart;

  // Saved statistics.
  int32_t TotalBets = 0;
  int32_t NumberOfCherryRolls = 0;
  int32_t NumberOfBarRolls = 0;
  int32_t BellPoolWon = 0;
  int32_t CherryRollsWon = 0;
  int32_t BarRollsWon = 0;
  int32_t DoubleOrNothingWon = 0;
  int32_t SevensWon = 0;
  int32_t FruitWon = 0;
  int32_t SkillStopWins = 0;  // bonus lamps lit by a skill stop

  // Saved options.
  bool Sound = true;
  bool DoubleOrNothingOn = true;
  bool CountOffWins = true;  // Pay Mode: true Count Off Credits, false Instant Payoff
  bool AutoSave = true;

  // Saved identity of the game.
  std::string GameName;
  std::string GameDate;

  // Bonus progress: always 0 outside a spin cycle.
  int32_t CherryRollsLeft = 0;
  int32_t BarRollsLeft = 0;

  // Run-time flags.
  bool SpinInProgress = false;
  bool WheelsTurning = false;  // the spin's animation is under way, skill stop included
  bool StopRequested = false;
  bool AutoSpin = false;
  bool BonusLamp = false;
  bool CherryRollMode = false;
  bool BarRollMode = false;
  bool RestoreRegularStrips = false;  // rolls are over: the next spin puts the regular strips back

  // Wheels.
  std::array<Strip, 9> Strips{};
  std::array<int32_t, 9> Stops = kStartupStops;
  std::array<int32_t, 9> RegularStops{};  // where the regular wheels stood when rolls began

  // Result of the last spin. With SpinWin and ScreenBonusKind, LineWins forms the ten
  // result items that the win flash walks (see ResultItem).
  std::array<int32_t, 8> LineWins{};
  int32_t SpinWin = 0;
  int32_t ScreenBonusKind = 0;  // the screen bonus paid: its Sevens, kScreenBonusAllFruit or
                                // kScreenBonusRollSevens; 0 for none
  std::string LastSpinSummary;       // in English, as the simulator prints it (SummaryText)
  std::string LastSpinSummaryShown;  // in the player's language, for the Summary box (ShownSummaryText)
};

// Item i of the ten result items: 0..7 the lines, then the spin total and the screen
// bonus (kResultItemSpinTotal, kResultItemScreen).
int32_t ResultItem(const GameState& g, int i);

// "Start a New Game": money, meters and statistics back to their opening values.
// Bet, options, wheels and the last result stay. The caller repaints.
void NewGameReset(GameState& g);

// The values the machine starts with before a saved game is read over them.
void ApplyStartupValues(GameState& g);

}  // namespace rules
