// Borrowing and paying back: both meters move together, the refusals and their order,
// no loan past the 32-bit meters, the painted amounts and the chip pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "dialogs/borrow.h"
#include "dialogs/dialog_pictures.h"
#include "dialogs/locale_numbers.h"
#include "platform/testing/fake_dialog.h"
#include "tests/scoped_locale.h"
#include "tests/test_machine.h"

namespace {

using platform::Color;
using platform::testing::FakeDialog;
using testing_support::TestMachine;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr Color kRedDigits = 0xE00000, kGreenDigits = 0x00E000;
constexpr Color kRedLarge = 0xA00000, kGreenLarge = 0x00A000;

using testing_support::ScopedCLocale;

class BorrowTest : public ::testing::Test {
 protected:
  BorrowTest() {
    // Digit strips of one colour each, so the painting shows which strip it used.
    digits.DigitsSmall = platform::Bitmap(160, 21, kRedDigits);
    digits.GreenSmall = platform::Bitmap(160, 21, kGreenDigits);
    digits.DigitsLarge = platform::Bitmap(320, 42, kRedLarge);
    digits.GreenLarge = platform::Bitmap(320, 42, kGreenLarge);
  }

  void Set(int32_t credits, int32_t borrowed) {
    tm.m.g.Credits = credits;
    tm.m.g.Borrowed = borrowed;
  }

  // Opens the dialog and lets the script play the player.
  void Run(std::function<void(FakeDialog&)> script) {
    tm.dialogs.scripts.push_back(std::move(script));
    dialogs::ShowBorrowDialog(tm.m, digits, false);
  }

  static int Amount(const FakeDialog& d, int32_t amount) {
    const int x = amount == 1000 ? 89 : amount == 100 ? 201 : amount == 10 ? 313 : 425;
    for (size_t i = 0; i < d.controls.size(); ++i)
      if (d.controls[i].x == x && d.controls[i].y == 104) return static_cast<int>(i);
    return -1;
  }

  // Borrows (or pays back) the amounts in turn.
  void Borrow(const std::vector<int32_t>& amounts, bool pay_back = false) {
    Run([&](FakeDialog& d) {
      if (pay_back) d.Click(d.Find("Pay Back Credits"));
      for (int32_t a : amounts) d.Click(Amount(d, a));
    });
  }
  void ExpectMeters(int32_t credits, int32_t borrowed) {
    EXPECT_EQ(tm.m.g.Credits, credits);
    EXPECT_EQ(tm.m.g.Borrowed, borrowed);
  }

  ScopedCLocale c_locale;
  TestMachine tm;
  view::Pictures digits;
};

TEST_F(BorrowTest, OpensInBorrowModeWithItsControlsInPlaceAndExplainsItself) {
  Run([&](FakeDialog& d) {
    EXPECT_EQ(d.caption, "Use this form to borrow or pay back credits");
    EXPECT_EQ(d.help_topic, 41005);
    for (int32_t a : {1000, 100, 10, 1}) {
      int b = Amount(d, a);
      ASSERT_GE(b, 0) << a;
      EXPECT_EQ(d.controls[b].text, "") << "the picture says the amount";
    }
    EXPECT_TRUE(d.controls[d.Find("Borrow Credits")].on && !d.controls[d.Find("Pay Back Credits")].on);
    EXPECT_EQ(d.styles[d.Find("Mode:")].color, platform::kRed);
    EXPECT_EQ(d.controls[d.Find("&OK")].button, platform::ButtonKind::Ok);
    d.Click(d.Find("&Help"));
  });
  EXPECT_EQ(tm.fake.boxes,
            std::vector<std::string>{
                "Information: Use this screen to borrow credits or pay back credits that you "
                "borrowed previously.  Click on the button representing the amount to borrow (or "
                "pay back).\r\n\r\nTo switch between \"borrow\" and \"pay back\" select the mode."});
}

TEST_F(BorrowTest, BorrowingAndPayingBackMoveBothMeters) {
  struct Case {
    int32_t credits, borrowed;
    std::vector<int32_t> amounts;
    bool pay_back;
    int32_t credits_after, borrowed_after;
  };
  const Case cases[] = {
      {0, 0, {1000, 1000, 1000, 1000, 100, 10, 1}, false, 4111, 4111},
      {kMax - 1000, kMax - 1000, {1000}, false, kMax, kMax},  // right up to the top is still a loan
      {1000, 1000, {1000}, true, 0, 0},
      // An amount equal to the credits, or to the loan, is accepted.
      {10, 100, {10}, true, 0, 90},
      {500, 100, {100}, true, 400, 0},
  };
  for (const Case& c : cases) {
    Set(c.credits, c.borrowed);
    Borrow(c.amounts, c.pay_back);
    ExpectMeters(c.credits_after, c.borrowed_after);
  }
  EXPECT_TRUE(tm.fake.boxes.empty());
}

TEST_F(BorrowTest, RefusalsGiveTheReasonAndChangeNothing) {
  struct Case { int32_t credits, borrowed, amount; bool pay_back; std::string message; };
  const Case cases[] = {
      {999, 1000, 1000, true, "You do not have 1000.00 credits!"},
      {4, 100, 10, true, "You do not have   10.00 credits!"},
      {500, 50, 100, true, "You cannot pay back more credits than you have borrowed!"},
      // Both apply: the missing credits are named.
      {50, 20, 100, true, "You do not have  100.00 credits!"},
      {kMax - 500, 0, 1000, false, "You cannot borrow that much: the credit meter would overflow."},
      {0, kMax - 5, 10, false, "You cannot borrow that much: the credit meter would overflow."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    tm.fake.boxes.clear();
    Set(c.credits, c.borrowed);
    Borrow({c.amount}, c.pay_back);
    EXPECT_EQ(tm.fake.boxes, std::vector<std::string>{"Information: " + c.message});
    ExpectMeters(c.credits, c.borrowed);
  }
}

TEST_F(BorrowTest, PaintsBothAmountsInTheScreensDigitsAndClearsWhatTheyLeaveBehind) {
  Set(1000, 1000);
  Run([&](FakeDialog& d) {
    const platform::Bitmap& px = d.surface.Pixels();
    // Borrowed from the left edge in green digits, Credits up to 30 pixels from the right in red.
    EXPECT_EQ(px.Pixel(20 + 8, 50), kGreenDigits);
    EXPECT_EQ(px.Pixel(20 + 3 * 16 + 8, 50), kGreenDigits);
    EXPECT_EQ(px.Pixel(582 - 30 - 8, 50), kRedDigits);
    EXPECT_EQ(px.Pixel(582 - 30 - 4 * 16 + 8, 50), kRedDigits);
    EXPECT_NE(px.Pixel(582 - 30 + 4, 50), kRedDigits);

    d.Click(d.Find("Pay Back Credits"));
    d.Click(Amount(d, 1000));
    d.Click(Amount(d, 1));  // refused: nothing left
    // "0" now; the three digits of "1000" beyond it are gone.
    EXPECT_EQ(px.Pixel(20 + 8, 50), kGreenDigits);
    EXPECT_NE(px.Pixel(20 + 3 * 16 + 8, 50), kGreenDigits);
    EXPECT_NE(px.Pixel(582 - 30 - 4 * 16 + 8, 50), kRedDigits);
    EXPECT_FALSE(d.surface.Held());
  });

  testing_support::TestMachine wide(1024);  // large screens paint large digits
  wide.dialogs.scripts.push_back([](FakeDialog& d) {
    EXPECT_EQ(d.surface.Pixels().Pixel(20 + 16, 40 + 30), kGreenLarge);
    EXPECT_EQ(d.surface.Pixels().Pixel(582 - 30 - 16, 40 + 30), kRedLarge);
  });
  dialogs::ShowBorrowDialog(wide.m, digits, true);
  EXPECT_EQ(wide.dialogs.opened.size(), 1u);
}

TEST(BorrowAmountFormat, PadsToSevenWithTheLocalesSeparator) {
  dialogs::NumberSeparators comma{",", "."};
  EXPECT_EQ(dialogs::FormatFixed(1000, 7, 2, comma), "1000,00");
  EXPECT_EQ(dialogs::FormatFixed(10, 7, 2, comma), "  10,00");
  EXPECT_EQ(dialogs::FormatFixed(1, 7, 2, {}), "   1.00");
  // A separator of several bytes is still one character of the width.
  EXPECT_EQ(dialogs::FormatFixed(10, 7, 2, {"\xD9\xAB", ","}), "  10\xD9\xAB" "00");
}

// The chips: 66 x 42 on the button face, each mostly its oval's colour, with lettering.
TEST(BorrowPictures, EachChipShowsItsColours) {
  struct Chip { const char* name; Color oval, letters; };
  const Chip chips[] = {{"Borrow1000", platform::kBlue, platform::kAqua}, {"Borrow100", platform::kRed, platform::kYellow},
                        {"Borrow10", platform::kGreen, platform::kYellow}, {"Borrow1", platform::kBlack, platform::kWhite}};
  // Near a colour: every channel within 100 of it.
  auto near = [](Color a, Color b) {
    for (int shift : {0, 8, 16})
      if (std::abs(int(a >> shift & 255) - int(b >> shift & 255)) > 100) return false;
    return true;
  };
  for (const Chip& chip : chips) {
    SCOPED_TRACE(chip.name);
    platform::Bitmap p = dialogs::DialogBitmap(chip.name);
    ASSERT_EQ(std::pair(p.Width(), p.Height()), std::pair(66, 42));
    EXPECT_EQ(p.Pixel(0, 0), dialogs::kButtonFace);
    int oval = 0, letters = 0;
    for (int y = 0; y < 42; ++y)
      for (int x = 0; x < 66; ++x) {
        oval += near(p.Pixel(x, y), chip.oval);
        letters += near(p.Pixel(x, y), chip.letters);
      }
    EXPECT_GT(oval, 66 * 42 / 4);
    EXPECT_GT(letters, 40);
  }
  EXPECT_FALSE(dialogs::DialogBitmap("OkTick").Empty());
  EXPECT_FALSE(dialogs::DialogBitmap("HelpMark").Empty());
}

}  // namespace
