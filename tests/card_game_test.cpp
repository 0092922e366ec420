#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "rules/card_game.h"
#include "dialogs/card_table.h"
#include "platform/testing/fake_dialog.h"
#include "tests/test_machine.h"

namespace {

using platform::testing::FakeDialog;
using rules::Deck, rules::SlotLeft, rules::SlotTop;
using Log = std::vector<std::string>;
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

Deck DealFor(uint32_t seed) {
  platform::Rng rng(seed);
  return rules::DealDeck(rng);
}

// The first table slot holding a card of this value, or -1.
int SlotOf(const Deck& deck, int32_t value) {
  for (int i = 0; i < rules::kCardSlots; ++i)
    if (deck[i].value == value) return i;
  return -1;
}

// A time of day whose table holds all of these values.
uint32_t SeedWith(const std::vector<int32_t>& values) {
  return testing_support::FirstSeed([&](uint32_t seed) {
    Deck deck = DealFor(seed);
    return std::all_of(values.begin(), values.end(), [&](int32_t v) { return SlotOf(deck, v) >= 0; });
  }, 1);
}

// A machine with the card table on SpinWin, dealt at a time of day whose table holds `values`.
struct Table {
  Table(int32_t win, const std::vector<int32_t>& values = {}, int screen_width = 640) : t(screen_width) {
    t.m.g.SpinWin = win;
    t.fake.time_of_day_ = SeedWith(values);
    deck = DealFor(t.fake.time_of_day_);
    t.m.rng.Seed(999);  // whatever the generator held before, the deal starts from the clock
  }
  void Play(std::function<void(FakeDialog&)> script) {
    t.dialogs.scripts.push_back(std::move(script));
    dialogs::PlayDoubleOrNothing(t.m, t.layout.width);
  }
  void Turn(FakeDialog& d, int32_t value) { d.MouseUp(SlotLeft(SlotOf(deck, value)) + 30, SlotTop(SlotOf(deck, value)) + 40); }

  testing_support::TestMachine t;
  rules::GameState& g = t.m.g;
  Deck deck;
};

std::string Winnings(const FakeDialog& d) {
  for (const auto& c : d.controls)
    if (c.kind == FakeDialog::Control::kLabel && c.text.rfind("Winnings: ", 0) == 0) return c.text;
  return "(no Winnings label)";
}

// ---- The deal ----

TEST(CardDeal, EveryTableHasOneJokerAndCardsFromOneDeck) {
  std::set<int> joker_slots;
  for (uint32_t seed = 0; seed < 2000; ++seed) {
    Deck deck = DealFor(seed);
    std::array<int, 14> per_value{};
    std::set<int32_t> cards;
    for (int i = 0; i < rules::kCardSlots; ++i) {
      const rules::Card& c = deck[i];
      EXPECT_FALSE(c.turned);
      per_value[c.value]++;
      if (c.card == rules::kJokerCard) {
        EXPECT_EQ(c.value, rules::kJokerValue);
        joker_slots.insert(i);
      } else {
        EXPECT_EQ(c.value, c.card % 13);
        EXPECT_EQ(c.suit, c.card / 13);
        cards.insert(c.card);
      }
    }
    ASSERT_EQ(per_value[rules::kJokerValue], 1) << "seed " << seed;
    EXPECT_EQ(cards.size(), 23u) << "seed " << seed;
    for (int v = 0; v < 13; ++v) EXPECT_LE(per_value[v], 4);
  }
  EXPECT_EQ(joker_slots.size(), 24u);  // the last slot too
}

TEST(CardDeal, TheClockFixesTheTable) {
  // Today's deal for two times of day, pinned (52 is the Joker).
  const std::array<std::array<int, 24>, 2> tables{{
      {22, 37, 50, 16, 52, 29, 17, 24, 1, 8, 20, 23, 33, 11, 48, 6, 34, 4, 0, 7, 36, 38, 28, 25},
      {7, 40, 37, 35, 4, 39, 31, 44, 51, 25, 52, 8, 50, 2, 23, 14, 9, 10, 32, 28, 6, 1, 47, 16}}};
  const std::array<uint32_t, 2> seeds{1, 20261207};
  for (int s = 0; s < 2; ++s)
    for (int i = 0; i < rules::kCardSlots; ++i) EXPECT_EQ(DealFor(seeds[s])[i].card, tables[s][i]) << seeds[s] << " slot " << i;
}

// ---- Playing ----

TEST(CardGrid, GapsAndTheOutsideTurnNothing) {
  const int hits[][3] = {{8, 8, 0},     {81, 106, 0},   {82, 50, -1},   {50, 107, -1}, {7, 50, -1},
                         {50, 7, -1},   {85, 50, -1},   {86, 50, 1},    {50, 108, 8},  {627, 306, 23},
                         {628, 306, -1}, {627, 307, -1}, {-70, 50, -1}, {50, 400, -1}};
  for (auto [x, y, slot] : hits) EXPECT_EQ(rules::CardSlotAt(x, y), slot) << x << "," << y;

  Table table(20);
  table.Play([&](FakeDialog& d) {
    d.MouseUp(82, 50);
    d.MouseUp(50, 107);
    EXPECT_TRUE(table.t.fake.sounds.empty());
    d.MouseUp(81, 106);
    EXPECT_EQ(table.t.fake.sounds.size(), 1u);
  });
}

// Each value on its own, then several cards in a row: a 7 halves dropping the fraction and
// play goes on, a losing card ends the game, a card turns once, sound off is silent, and
// both meters stop at the ends.
TEST(CardTable, CardsPayAsTheRulesSayAndTheNetResultIsCounted) {
  using rules::kJokerValue, rules::kSeven, rules::kKing, rules::kAce;
  const std::string c1 = "Cherry1.wav", c6 = "Cherry6.wav", c7 = "Cherry7.wav";
  struct Case { int32_t win, won; std::vector<int32_t> turns; bool sound; int32_t win_after, won_after; Log sounds; };
  std::vector<Case> cases = {
      {5, 100, {kSeven, kKing}, true, 4, 99, {c1, c6}},
      {1, 0, {kSeven, kJokerValue}, true, 0, -1, {c1, c6}},  // nothing left, but the game is not over
      {30, 10, {3, kJokerValue}, true, 0, -20, {c7}},
      {10, 0, {kAce, kAce}, true, 30, 20, {c6}},
      {10, 0, {kAce, kAce}, false, 30, 20, {}},
      {300'000'000, kMax - 5, {kJokerValue, kAce}, true, kMax, kMax, {c6, c6}},
      {kMax, kMin + 5, {4}, true, 0, kMin, {c7}},
  };
  const int32_t pays[14] = {60, 0, 0, 0, 0, 0, 10, 20, 20, 20, 40, 40, 40, 200};  // from 20, Ace to King, Joker
  for (int32_t value = 0; value < 14; ++value)
    cases.push_back({20, 0, {value}, true, pays[value], pays[value] - 20, {pays[value] == 0 ? c7 : pays[value] <= 20 ? c1 : c6}});
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.win << " then values " << testing::PrintToString(c.turns) << ", sound " << c.sound);
    Table table(c.win, c.turns);
    table.g.DoubleOrNothingWon = c.won;
    table.g.Sound = c.sound;
    table.Play([&](FakeDialog& d) {
      EXPECT_EQ(Winnings(d), "Winnings: " + std::to_string(c.win));
      for (int32_t v : c.turns) table.Turn(d, v);
      EXPECT_EQ(Winnings(d), "Winnings: " + std::to_string(c.win_after));
      // A hit after the game is over still refreshes the label with whatever it should show.
      const int32_t win = std::exchange(table.g.SpinWin, 77);
      table.Turn(d, c.turns.back());
      EXPECT_EQ(Winnings(d), "Winnings: 77");
      table.g.SpinWin = win;
    });
    EXPECT_EQ(table.g.SpinWin, c.win_after);
    EXPECT_EQ(table.g.DoubleOrNothingWon, c.won_after);
    EXPECT_EQ(table.t.fake.sounds, c.sounds);
  }
}

TEST(CardTable, NetResultIsAddedOnceHoweverTheTableCloses) {
  struct Way { const char* name; std::function<void(Table&, FakeDialog&)> close; };
  // The close box is the desktop closing the dialog when the script has ended.
  const Way ways[] = {
      {"OK", [](Table&, FakeDialog& d) { d.Click(d.Find("OK")); }},
      {"close box", nullptr},
      {"main window", [](Table& t, FakeDialog&) {
         ASSERT_TRUE(t.t.m.CloseOpenDialog);
         t.t.m.CloseOpenDialog();
       }},
  };
  const std::pair<std::vector<int32_t>, int32_t> plays[] = {{{}, 0}, {{8}, 0}, {{rules::kKing}, 50}, {{rules::kKing, 2}, -50}};
  for (const Way& way : ways)
    for (const auto& [values, net] : plays) {
      SCOPED_TRACE(std::string(way.name) + ", " + std::to_string(values.size()) + " cards");
      Table table(50, {rules::kKing, 8, 2});
      table.g.DoubleOrNothingWon = 1000;
      table.Play([&](FakeDialog& d) {
        for (int32_t v : values) table.Turn(d, v);
        if (!way.close) return;
        way.close(table, d);
        EXPECT_FALSE(d.open);
        EXPECT_EQ(table.g.DoubleOrNothingWon, 1000 + net);
      });
      EXPECT_EQ(table.g.DoubleOrNothingWon, 1000 + net);
      EXPECT_EQ(table.g.SpinWin, 50 + net);
      EXPECT_FALSE(table.t.m.CloseOpenDialog);
    }

  Table closing(40);  // not even opened while the main window closes
  closing.t.m.Closing = true;
  closing.Play([](FakeDialog& d) { d.MouseUp(40, 40); });
  EXPECT_TRUE(closing.t.dialogs.opened.empty());
  EXPECT_EQ(std::pair(closing.g.SpinWin, closing.g.DoubleOrNothingWon), std::pair(40, 0));
}

// ---- The window ----

// The window, its help and its place; the cards lie on the green table with rounded corners.
TEST(CardTable, WindowHelpPlaceAndTheCardsOnTheGreenTable) {
  Table small(25, {9});
  small.t.m.HelpFile = "/game/Vantello.hlp";
  small.Play([&](FakeDialog& d) {
    EXPECT_EQ(d.caption, "Double or Nothing Card Game");
    EXPECT_EQ(std::tuple(d.width, d.height, d.help_topic), std::tuple(640, 440, 41006));
    EXPECT_EQ(Winnings(d), "Winnings: 25");
    EXPECT_GE(d.Find("A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; "
                     "a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings."),
              0);
    EXPECT_EQ(d.controls.at(d.Find("OK")).button, platform::ButtonKind::Ok);
    d.Click(d.Find("Help"));
    EXPECT_TRUE(d.open);

    const platform::Bitmap& px = d.surface.Pixels();
    int turned = SlotOf(small.deck, 9);
    platform::Bitmap before(rules::kCardWidth, rules::kCardHeight);
    platform::Blit(before, 0, 0, px, SlotLeft(turned), SlotTop(turned), rules::kCardWidth, rules::kCardHeight);
    small.Turn(d, 9);
    for (int slot = 0; slot < rules::kCardSlots; ++slot) {
      int x = SlotLeft(slot), y = SlotTop(slot);
      SCOPED_TRACE("slot " + std::to_string(slot));
      for (auto [cx, cy] : {std::pair{x, y}, {x + 72, y}, {x, y + 97}, {x + 72, y + 97}, {x + 74, y + 49}})
        EXPECT_EQ(px.Pixel(cx, cy), platform::kGreen);  // the corners and the gap to the next card
      EXPECT_NE(px.Pixel(x + 36, y + 49), platform::kGreen);
    }
    int changed = 0;
    for (int y = 0; y < rules::kCardHeight; ++y)
      for (int x = 0; x < rules::kCardWidth; ++x)
        changed += before.Pixel(x, y) != px.Pixel(SlotLeft(turned) + x, SlotTop(turned) + y);
    EXPECT_GT(changed, rules::kCardWidth * rules::kCardHeight / 4);
  });
  EXPECT_EQ(small.t.fake.helps, std::vector<std::string>{"/game/Vantello.hlp#41006"});
  EXPECT_EQ(small.t.dialogs.opened, std::vector<std::string>{"Double or Nothing Card Game"});

  // A small screen has the table at its top edge; a large one leaves it where the desktop centres it (-1).
  for (const auto& p : {std::array{640, 0, 0}, {680, 20, 0}, {1024, -1, -1}}) {
    Table table(25, {}, p[0]);
    table.Play([&](FakeDialog& d) { EXPECT_EQ(std::pair(d.moved_x, d.moved_y), std::pair(p[1], p[2])) << p[0]; });
  }
}

// ---- Building a face ----

TEST(CardFace, CourtPicturesRankSignsAndPipsComeFromTheirPlaces) {
  dialogs::CardArt art = testing_support::FlatCardArt();
  const platform::Color kPaper = 0xFFFFFF;

  // King of suit 0 (black), Queen of suit 1 (red), Jack of suit 3 (black).
  platform::Bitmap king = dialogs::CardFace(art, rules::kKing, 0);
  platform::Bitmap queen = dialogs::CardFace(art, rules::kQueen, 1);
  platform::Bitmap jack = dialogs::CardFace(art, rules::kJack, 3);
  // Rank signs and small suit signs (five, ten): red ink for suits 1 and 2, both ways up.
  platform::Bitmap five = dialogs::CardFace(art, 4, 2), ten = dialogs::CardFace(art, 9, 3);
  // The right column of pips is 16 wide, but for the middle pip of the 6 and 7.
  platform::Bitmap eight = dialogs::CardFace(art, 7, 0), six = dialogs::CardFace(art, 5, 0);
  // The King's upright pip is on the left, the others' on the right; the lower one is turned.
  const std::tuple<const platform::Bitmap&, int, int, platform::Color> dots[] = {
      {king, 36, 50, 0xA00000},  {queen, 36, 50, 0xA00011}, {jack, 36, 50, 0xA00002},
      {king, 20, 20, 0x00B000},  {king, 50, 78, 0x00B010},  {queen, 50, 20, 0x00B001},
      {queen, 20, 78, 0x00B011}, {jack, 20, 20, 0xA00002},  {five, 7, 9, 0x000501},
      {five, 65, 88, 0x000511},  {five, 7, 23, 0x00C002},   {five, 65, 75, 0x00C012},
      {ten, 7, 9, 0x000A00},     {eight, 57, 38, 0x00B000}, {eight, 57, 48, kPaper},
      {six, 56, 48, 0x00B000},   {six, 57, 48, kPaper},     {six, 57, 15, 0x00B000}};
  for (int i = 0; i < std::ssize(dots); ++i) {
    auto& [face, x, y, color] = dots[i];
    EXPECT_EQ(face.Pixel(x, y), color) << "dot " << i;
  }
  // Pips of every number card, counted down the left, middle and right columns.
  for (int rank = 1; rank <= 10; ++rank) {
    platform::Bitmap face = dialogs::CardFace(art, rank - 1, 0);
    int left = 0, middle = 0, right = 0;
    for (int y = 0; y < 98; ++y) {
      left += face.Pixel(14, y) == 0x00B000u;
      middle += face.Pixel(35, y) == 0x00B000u;
      right += face.Pixel(50, y) == 0x00B000u;
    }
    const int pips_left[] = {0, 0, 0, 0, 2, 2, 3, 3, 4, 4, 4};
    const int pips_middle[] = {0, 1, 2, 3, 0, 1, 0, 1, 0, 1, 2};
    EXPECT_EQ(left, 15 * pips_left[rank]) << "rank " << rank;
    EXPECT_EQ(middle, 15 * pips_middle[rank]) << "rank " << rank;
    EXPECT_EQ(right, left) << "rank " << rank;
  }
}

TEST(CardArtwork, MaskAndPicturesAgreeOnTheCardShape) {
  dialogs::CardArt art = dialogs::LoadCardArt();
  for (const platform::Bitmap* b : {&art.Pos, &art.Neg, &art.back, &art.Joker}) {
    ASSERT_EQ(b->Width(), 73);
    ASSERT_EQ(b->Height(), 98);
  }

  int outside = 0;
  for (int y = 0; y < 98; ++y)
    for (int x = 0; x < 73; ++x) {
      platform::Color mask = art.Neg.Pixel(x, y);
      ASSERT_TRUE(mask == platform::kBlack || mask == platform::kWhite);
      if (mask == platform::kBlack) continue;
      ++outside;
      for (const platform::Bitmap* b : {&art.Pos, &art.back, &art.Joker}) EXPECT_EQ(b->Pixel(x, y), platform::kBlack);
    }
  // Only the rounded corners lie outside.
  EXPECT_GT(outside, 4);
  EXPECT_LT(outside, 4 * 16);
  EXPECT_EQ(art.Neg.Pixel(36, 0), platform::kBlack);
  EXPECT_EQ(art.Neg.Pixel(0, 49), platform::kBlack);
}

}  // namespace
