// The rules of the Double or Nothing card table, without a window: the deal, the grid
// of the 24 face-down cards and what a turned card does to the winnings at stake.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/random.h"

namespace rules {

constexpr int kDeckSize = 52;
constexpr int kCardSlots = 24;      // the first 24 cards of the shuffled deck lie on the table
constexpr int kShufflePasses = 31;
constexpr int32_t kJokerCard = 52;
constexpr int32_t kJokerValue = 13;

// Card values: 0 Ace, 1..8 the ranks 2 to 9, 9 the ten, 10 Jack, 11 Queen, 12 King.
constexpr int32_t kAce = 0, kSeven = 6, kJack = 10, kQueen = 11, kKing = 12;

struct Card {
  int32_t card = 0;   // 0..51, or kJokerCard
  int32_t value = 0;  // card mod 13, or kJokerValue
  int32_t suit = 0;   // card div 13; suits 0 and 3 are black, 1 and 2 red
  bool turned = false;
};

using Deck = std::array<Card, kDeckSize>;

// A fresh deck in order, shuffled in 31 passes (each swaps every card with one drawn
// at random), then one of the 24 table slots drawn to hold the Joker instead.
Deck DealDeck(platform::Rng& rng);

// A card as the simulator names it: "Queen of Hearts", "the Joker".
std::string CardName(int32_t card);
// The same in the player's language.
std::string ShownCardName(int32_t card);

// Where slot i lies on the table: row i / 8, column i % 8, 73 x 98 each.
constexpr int kCardWidth = 73;
constexpr int kCardHeight = 98;
constexpr int SlotLeft(int slot) { return 8 + 78 * (slot % 8); }
constexpr int SlotTop(int slot) { return 8 + 100 * (slot / 8); }

// The slot a mouse release at (x, y) hits, or -1 for the gaps between cards and
// anything outside the grid. A hit reaches one pixel past the card's right and
// bottom edges.
int CardSlotAt(int x, int y);

// What turning a card of a value does.
struct CardOutcome {
  int32_t win;        // the winnings now at stake
  const char* sound;  // kPayoutSound, kRefusalSound or kCardLostSound
  bool wait;          // the sound is played to its end
  bool game_over;     // no more cards may be turned
};

// Joker 10 to 1, Ace 3 to 1, a face card 2 to 1, 8 to 10 a push, a 7 halves the
// winnings and 2 to 6 lose them all. Products stop at the largest 32-bit amount.
CardOutcome TurnValue(int32_t value, int32_t win);

// One game at the table: the deal, the winnings it started with, and whether a
// losing card has ended it.
struct CardGame {
  Deck deck{};
  int32_t StartWinnings = 0;
  bool GameOver = false;
};

// Turns slot `slot` if it is still face down and the game goes on, and sets GameOver
// on a losing card. Returns what the card does to `win`, or nothing when it stays
// as it was (turned before, or the game is over).
std::optional<CardOutcome> TurnCard(CardGame& game, int slot, int32_t win);

}  // namespace rules
