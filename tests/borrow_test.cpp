// Borrowing and paying back: both meters move together, the refusals and their order,
// no loan past the 32-bit meters, the painted amounts and the chip pictures.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "dialogs/borrow.h"
#include "dialogs/dialog_pictures.h"
#include "dialogs/locale_numbers.h"
#include "platform/testing/fake_dialog.h"
#include "tests/test_machine.h"

namespace {

using platform::Color;
using platform::testing::FakeDialog;
using platform::testing::FakeDialogFactory;
using testing_support::TestMachine;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr Color kRedDigits = 0xE00000, kGreenDigits = 0x00E000;
constexpr Color kRedLarge = 0xA00000, kGreenLarge = 0x00A000;

// Keeps the user's locale out of the messages: the C locale writes "1000.00".
class ScopedCLocale {
 public:
  ScopedCLocale() {
    if (const char* old = getenv("LC_ALL")) saved_ = old;
    setenv("LC_ALL", "C", 1);
  }
  ~ScopedCLocale() {
    if (saved_.empty()) unsetenv("LC_ALL");
    else setenv("LC_ALL", saved_.c_str(), 1);
  }

 private:
  std::string saved_;
};

class BorrowTest : public ::testing::Test {
 protected:
  BorrowTest() {
    tm.m.dialogs = &dialogs;
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
    dialogs.scripts.push_back(std::move(script));
    dialogs::ShowBorrowDialog(tm.m, digits);
  }

  static int Amount(const FakeDialog& d, int32_t amount) {
    const int x = amount == 1000 ? 89 : amount == 100 ? 201 : amount == 10 ? 313 : 425;
    for (size_t i = 0; i < d.controls.size(); ++i)
      if (d.controls[i].x == x && d.controls[i].y == 104) return static_cast<int>(i);
    return -1;
  }

  // Pays back (or borrows) the amounts in turn.
  void PayBack(const std::vector<int32_t>& amounts) {
    Run([&](FakeDialog& d) {
      d.Click(d.Find("Pay Back Credits"));
      for (int32_t a : amounts) d.Click(Amount(d, a));
    });
  }
  void Borrow(const std::vector<int32_t>& amounts) {
    Run([&](FakeDialog& d) {
      for (int32_t a : amounts) d.Click(Amount(d, a));
    });
  }

  ScopedCLocale c_locale;
  TestMachine tm;
  FakeDialogFactory dialogs;
  ui::Pictures digits;
};

TEST_F(BorrowTest, OpensInBorrowModeWithItsControlsInPlace) {
  Run([&](FakeDialog& d) {
    EXPECT_EQ(d.caption, "Use this form to borrow or pay back credits");
    EXPECT_EQ(d.width, 582);
    EXPECT_EQ(d.height, 300);
    EXPECT_EQ(d.help_topic, 41005);
    for (int32_t a : {1000, 100, 10, 1}) {
      int b = Amount(d, a);
      ASSERT_GE(b, 0) << a;
      EXPECT_EQ(d.controls[b].w, 80);
      EXPECT_EQ(d.controls[b].h, 57);
      EXPECT_EQ(d.controls[b].text, "") << "the picture says the amount";
    }
    int borrow = d.Find("Borrow Credits"), pay_back = d.Find("Pay Back Credits");
    ASSERT_GE(borrow, 0);
    ASSERT_GE(pay_back, 0);
    EXPECT_TRUE(d.controls[borrow].on);
    EXPECT_FALSE(d.controls[pay_back].on);
    EXPECT_EQ(d.controls[borrow].x, 147);
    EXPECT_EQ(d.controls[pay_back].x, 355);
    int mode = d.Find("Mode:");
    ASSERT_GE(mode, 0);
    EXPECT_EQ(d.styles[mode].color, platform::kRed);
    EXPECT_EQ(d.styles[mode].points, 14);
    int ok = d.Find("&OK");
    ASSERT_GE(ok, 0);
    EXPECT_EQ(d.controls[ok].button, platform::ButtonKind::Ok);
    EXPECT_EQ(d.controls[ok].x, 442);
  });
}

TEST_F(BorrowTest, BorrowingAndPayingBackMoveBothMeters) {
  Set(0, 0);
  Borrow({1000, 1000, 1000, 1000});
  EXPECT_EQ(tm.m.g.Credits, 4000);
  EXPECT_EQ(tm.m.g.Borrowed, 4000);
  Borrow({100, 10, 1});
  EXPECT_EQ(tm.m.g.Credits, 4111);
  EXPECT_EQ(tm.m.g.Borrowed, 4111);

  Set(1000, 1000);
  PayBack({1000});
  EXPECT_EQ(tm.m.g.Credits, 0);
  EXPECT_EQ(tm.m.g.Borrowed, 0);

  // An amount equal to the credits, or to the loan, is accepted.
  Set(10, 100);
  PayBack({10});
  EXPECT_EQ(tm.m.g.Credits, 0);
  EXPECT_EQ(tm.m.g.Borrowed, 90);
  Set(500, 100);
  PayBack({100});
  EXPECT_EQ(tm.m.g.Credits, 400);
  EXPECT_EQ(tm.m.g.Borrowed, 0);
  EXPECT_TRUE(tm.fake.boxes.empty());
}

TEST_F(BorrowTest, PayingBackIsRefusedWithTheReasonAndNothingChanges) {
  struct Case {
    int32_t credits, borrowed, amount;
    std::string message;
  } cases[] = {
      {999, 1000, 1000, "You do not have 1000.00 credits!"},
      {4, 100, 10, "You do not have   10.00 credits!"},
      {500, 50, 100, "You cannot pay back more credits than you have borrowed!"},
      // Both apply: the missing credits are named.
      {50, 20, 100, "You do not have  100.00 credits!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    tm.fake.boxes.clear();
    Set(c.credits, c.borrowed);
    PayBack({c.amount});
    EXPECT_EQ(tm.fake.boxes, std::vector<std::string>{"Information: " + c.message});
    EXPECT_EQ(tm.m.g.Credits, c.credits);
    EXPECT_EQ(tm.m.g.Borrowed, c.borrowed);
  }
}

TEST_F(BorrowTest, ALoanPastTheMetersIsRefused) {
  const std::string refusal = "Information: You cannot borrow that much: the credit meter would overflow.";
  Set(kMax - 500, 0);
  Borrow({1000});
  EXPECT_EQ(tm.fake.boxes, std::vector<std::string>{refusal});
  EXPECT_EQ(tm.m.g.Credits, kMax - 500);
  EXPECT_EQ(tm.m.g.Borrowed, 0);

  tm.fake.boxes.clear();
  Set(0, kMax - 5);
  Borrow({10});
  EXPECT_EQ(tm.fake.boxes, std::vector<std::string>{refusal});
  EXPECT_EQ(tm.m.g.Credits, 0);

  // Right up to the top is still a loan.
  tm.fake.boxes.clear();
  Set(kMax - 1000, kMax - 1000);
  Borrow({1000});
  EXPECT_TRUE(tm.fake.boxes.empty());
  EXPECT_EQ(tm.m.g.Credits, kMax);
  EXPECT_EQ(tm.m.g.Borrowed, kMax);
}

TEST_F(BorrowTest, HelpExplainsTheDialog) {
  Run([](FakeDialog& d) { d.Click(d.Find("&Help")); });
  EXPECT_EQ(tm.fake.boxes,
            std::vector<std::string>{
                "Information: Use this screen to borrow credits or pay back credits that you "
                "borrowed previously.  Click on the button representing the amount to borrow (or "
                "pay back).\r\n\r\nTo switch between \"borrow\" and \"pay back\" select the mode."});
}

TEST_F(BorrowTest, PaintsBothAmountsAndClearsWhatTheyLeaveBehind) {
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
}

TEST_F(BorrowTest, CaptionsEndAndStartWithTheAmounts) {
  Run([&](FakeDialog& d) {
    platform::Canvas& c = d.Surface();
    const platform::Bitmap& px = c.Pixels();
    // The fake font underlines where text went, one pixel above its box's bottom.
    const int underline = 20 + c.TextHeight(10) - 1;
    const int credits_width = c.TextWidth("Credits:", 10);
    EXPECT_EQ(px.Pixel(552 - credits_width, underline), platform::kBlack);
    EXPECT_EQ(px.Pixel(551, underline), platform::kBlack);
    EXPECT_NE(px.Pixel(552, underline), platform::kBlack);
    EXPECT_EQ(px.Pixel(20, underline), platform::kBlack);
  });
}

TEST_F(BorrowTest, LargeScreensPaintLargeDigits) {
  testing_support::TestMachine wide(1024, 96);
  wide.m.dialogs = &dialogs;
  dialogs.scripts.push_back([](FakeDialog& d) {
    EXPECT_EQ(d.surface.Pixels().Pixel(20 + 16, 40 + 30), kGreenLarge);
    EXPECT_EQ(d.surface.Pixels().Pixel(582 - 30 - 16, 40 + 30), kRedLarge);
  });
  dialogs::ShowBorrowDialog(wide.m, digits);
  EXPECT_EQ(dialogs.opened.size(), 1u);
}

TEST(BorrowAmountFormat, PadsToSevenWithTheLocalesSeparator) {
  dialogs::NumberSeparators comma{",", "."};
  EXPECT_EQ(dialogs::FormatFixed(1000, 7, 2, comma), "1000,00");
  EXPECT_EQ(dialogs::FormatFixed(10, 7, 2, comma), "  10,00");
  EXPECT_EQ(dialogs::FormatFixed(1, 7, 2, {}), "   1.00");
  // A separator of several bytes is still one character of the width.
  EXPECT_EQ(dialogs::FormatFixed(10, 7, 2, {"\xD9\xAB", ","}), "  10\xD9\xAB" "00");
}

// The chips: 66 x 42 on the button face, each with its oval and its lettering.
TEST(BorrowPictures, EachChipShowsItsColours) {
  struct Chip {
    const char* name;
    std::function<bool(Color)> oval, letters;
  };
  auto r = [](Color c) { return int(c >> 16 & 255); };
  auto g = [](Color c) { return int(c >> 8 & 255); };
  auto b = [](Color c) { return int(c & 255); };
  const Chip chips[] = {
      {"Borrow1000", [&](Color c) { return b(c) > 150 && r(c) < 90 && g(c) < 90; },
       [&](Color c) { return g(c) > 200 && b(c) > 200 && r(c) < 90; }},
      {"Borrow100", [&](Color c) { return r(c) > 150 && g(c) < 90 && b(c) < 90; },
       [&](Color c) { return r(c) > 200 && g(c) > 200 && b(c) < 90; }},
      {"Borrow10", [&](Color c) { return g(c) > 110 && r(c) < 90 && b(c) < 90; },
       [&](Color c) { return r(c) > 200 && g(c) > 200 && b(c) < 90; }},
      {"Borrow1", [&](Color c) { return r(c) < 60 && g(c) < 60 && b(c) < 60; },
       [&](Color c) { return r(c) > 220 && g(c) > 220 && b(c) > 220; }},
  };
  for (const Chip& chip : chips) {
    SCOPED_TRACE(chip.name);
    platform::Bitmap p = dialogs::DialogBitmap(chip.name);
    ASSERT_EQ(p.Width(), 66);
    ASSERT_EQ(p.Height(), 42);
    EXPECT_EQ(p.Pixel(0, 0), dialogs::kButtonFace);
    EXPECT_EQ(p.Pixel(65, 0), dialogs::kButtonFace);
    int oval = 0, letters = 0;
    for (int y = 0; y < 42; ++y)
      for (int x = 0; x < 66; ++x) {
        oval += chip.oval(p.Pixel(x, y));
        letters += chip.letters(p.Pixel(x, y));
      }
    EXPECT_GT(oval, 66 * 42 / 4);
    EXPECT_GT(letters, 40);
  }
  EXPECT_FALSE(dialogs::DialogBitmap("OkTick").Empty());
  EXPECT_FALSE(dialogs::DialogBitmap("HelpMark").Empty());
  EXPECT_EQ(dialogs::DialogPicture("Borrow5"), nullptr);
}

}  // namespace
