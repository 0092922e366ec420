#include "rules/card_game.h"

#include <utility>

#include "rules/money.h"
#include "rules/sounds.h"

namespace rules {

std::string CardName(int32_t card) {
  if (card == kJokerCard) return "the Joker";
  static const char* const kRanks[] = {"Ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King"};
  static const char* const kSuits[] = {"Spades", "Hearts", "Diamonds", "Clubs"};  // as the cards are drawn
  return std::string(kRanks[card % 13]) + " of " + kSuits[card / 13];
}

Deck DealDeck(platform::Rng& rng) {
  Deck deck;
  for (int i = 0; i < kDeckSize; ++i) deck[i] = Card{i, i % 13, i / 13, false};
  for (int pass = 0; pass < kShufflePasses; ++pass)
    for (int i = 0; i < kDeckSize; ++i) std::swap(deck[i], deck[rng.Random(kDeckSize)]);
  // The Joker takes the place of one card on the table; that card leaves the game.
  Card& joker = deck[rng.Random(kCardSlots)];
  joker.card = kJokerCard;
  joker.value = kJokerValue;
  return deck;
}

namespace {

// The index n in 0..count-1 with first + step * n <= v <= last + step * n, or -1.
int GridIndex(int v, int first, int last, int step, int count) {
  if (v < first) return -1;
  int n = (v - first) / step;
  if (n >= count || v > last + step * n) return -1;
  return n;
}

}  // namespace

int CardSlotAt(int x, int y) {
  int row = GridIndex(y, 8, 106, 100, 3);
  int column = GridIndex(x, 8, 81, 78, 8);
  if (row < 0 || column < 0) return -1;
  return 8 * row + column;
}

CardOutcome TurnValue(int32_t value, int32_t win) {
  if (value == kJokerValue) return {rules::SatMul(win, 10), kPayoutSound, true, false};
  if (value == kAce) return {rules::SatMul(win, 3), kPayoutSound, true, false};
  if (value >= kJack) return {rules::SatMul(win, 2), kPayoutSound, true, false};
  if (value > kSeven) return {win, kRefusalSound, true, false};
  if (value == kSeven) return {win / 2, kRefusalSound, true, false};
  return {0, kCardLostSound, false, true};
}

std::optional<CardOutcome> TurnCard(CardGame& game, int slot, int32_t win) {
  if (slot < 0 || slot >= kCardSlots) return std::nullopt;
  Card& card = game.deck[slot];
  if (card.turned || game.GameOver) return std::nullopt;
  card.turned = true;
  CardOutcome outcome = TurnValue(card.value, win);
  if (outcome.game_over) game.GameOver = true;
  return outcome;
}

}  // namespace rules
