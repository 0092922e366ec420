// The machine's meters: what went in and came out, over the machine's life and over this
// session, kept apart from the saved game. They answer "where did my credits go?" and
// check, after every game, that the credits are exactly what came in and out.
#pragma once
#include <cstdint>
#include <string>

#include "rules/game_record.h"

namespace rules {

struct Meters {
  int64_t opening_credits = 0;  // the credits when these meters began
  int64_t games = 0;
  int64_t turnover = 0;         // every bet taken; Double or Nothing stakes stay out of it
  int64_t won = 0;              // everything games credited, what the card table left included
  int64_t gamble_staked = 0;    // winnings taken to the Double or Nothing table
  int64_t gamble_returned = 0;  // what the table gave back of them
  int64_t bell_pool_in = 0;     // what the games put into the Bell Pool
  int64_t bell_pool_awards = 0;
  int64_t rolls = 0;            // Cherry Rolls and FREE Spins played
  int64_t roll_wins = 0;
  int64_t borrowed = 0;
  int64_t paid_back = 0;
  int64_t credits_set = 0;      // moved by a New Game, a loaded game or a change the meters cannot explain
};

// One game of the session as its chart shows it.
struct SessionPoint {
  int64_t credits_before = 0;
  int64_t credits_after = 0;
  bool borrowed = false;   // credits were borrowed before it
  bool paid_back = false;  // or paid back
};
SessionPoint PointOf(const GameRecord& game);

void AddGame(Meters& m, const GameRecord& game);
void AddBetween(Meters& m, const BetweenGames& between);

// The credits the meters say the player holds: the opening credits, plus wins,
// borrowing and credits set, minus bets and paying back.
int64_t CreditsByMeters(const Meters& m);

}  // namespace rules
