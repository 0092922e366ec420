#include "rules/card_game.h"

#include <utility>

#include "platform/words.h"
#include "rules/money.h"
#include "rules/sounds.h"

namespace rules {

namespace {

using Lookup = const char* (*)(const char*);
const char* English(const char* text) { return text; }

// The ranks with a name: the others are numbers in every language.
const char* RankName(int rank, Lookup word) {
  switch (rank) {
    // TRANSLATORS: a playing card's rank, put in the place of %1 in "%1 of Spades".
    case 0: return word(N_("Ace"));
    // TRANSLATORS: a playing card's rank, put in the place of %1 in "%1 of Spades".
    case 10: return word(N_("Jack"));
    // TRANSLATORS: a playing card's rank, put in the place of %1 in "%1 of Spades".
    case 11: return word(N_("Queen"));
    // TRANSLATORS: a playing card's rank, put in the place of %1 in "%1 of Spades".
    case 12: return word(N_("King"));
  }
  static const char* const kNumbers[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10"};
  return kNumbers[rank - 1];
}

const char* SuitName(int suit, Lookup word) {
  // In the order the cards are drawn.
  switch (suit) {
    // TRANSLATORS: a playing card; %1 is its rank ("Ace", "2" to "10", "Jack", "Queen", "King").
    case 0: return word(N_("%1 of Spades"));
    // TRANSLATORS: a playing card; %1 is its rank ("Ace", "2" to "10", "Jack", "Queen", "King").
    case 1: return word(N_("%1 of Hearts"));
    // TRANSLATORS: a playing card; %1 is its rank ("Ace", "2" to "10", "Jack", "Queen", "King").
    case 2: return word(N_("%1 of Diamonds"));
  }
  // TRANSLATORS: a playing card; %1 is its rank ("Ace", "2" to "10", "Jack", "Queen", "King").
  return word(N_("%1 of Clubs"));
}

std::string NameOf(int32_t card, Lookup word) {
  // TRANSLATORS: a card turned at the Double or Nothing table, inside a sentence of the
  // recall: "..., the Joker turned, 40 left."
  if (card == kJokerCard) return word(N_("the Joker"));
  return platform::FillIn(SuitName(card / 13, word), {RankName(card % 13, word)});
}

}  // namespace

std::string CardName(int32_t card) { return NameOf(card, English); }
std::string ShownCardName(int32_t card) { return NameOf(card, platform::Translate); }

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
