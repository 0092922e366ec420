// The machine writes down each game as it is played, for the recall: the bet and the
// meters, every turn of the wheels, every card turned at the table, and the credits that
// changed hands between games. When the last credit is paid the game goes to whoever
// keeps the recall (Machine::GameRecorded).
#pragma once
#include <cstdint>

#include "machine/machine.h"
#include "rules/game_record.h"
#include "rules/pay_rules.h"

namespace machine {

// A new game: the bet is about to be taken.
void BeginGame(Machine& m);
// A turn of the wheels begins, its set-up drawn from `seed`.
void BeginTurn(Machine& m, rules::TurnKind kind, uint64_t seed);
// The wheels have stopped: by the player's skill stop or on their own.
void RecordWheelsStopped(Machine& m, bool skill_stop);
// The turn's result, before it is paid.
void RecordTurnResult(Machine& m, const rules::SpinOutcome& out);
// A card turned at the Double or Nothing table.
void RecordGamble(Machine& m, int32_t stake, int32_t card, int32_t won);
// The game's last credit is paid: the record is complete and handed on.
void EndGame(Machine& m);
// Credits that changed hands outside a game (borrowing, a new or loaded game).
void RecordBetween(Machine& m, rules::BetweenKind kind, int64_t credits_before);

}  // namespace machine
