// A dialog shown larger draws its pictures from their twins: the card and dialog
// pictures find theirs in the program folder's 2x/ and 3x/, and a turned card's face,
// built from the art, is built a second time from the art's twins.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/card_table.h"
#include "dialogs/dialog_pictures.h"
#include "rules/card_game.h"
#include "tests/test_machine.h"

namespace {

using platform::Bitmap;

const std::string kDir = VANTELLO_PROGRAM_DIR;

// A face built from flat art whose twins are the same art enlarged must be the 1x face
// enlarged, pixel for pixel.
TEST(CardFaceTwin, IsTheFaceBuiltAtTheTwinsScale) {
  for (int k : {2, 3}) {
    dialogs::CardArt art = testing_support::FlatCardArt(k);
    // A number card (pips, one column stretched a pixel wider) and a court card.
    for (int value : {7, rules::kQueen}) {
      SCOPED_TRACE("k " + std::to_string(k) + " value " + std::to_string(value));
      Bitmap face = dialogs::CardFace(art, value, 2);
      const Bitmap* twin = face.Twin(k);
      ASSERT_NE(twin, nullptr);
      int wrong = 0;
      for (int y = 0; y < twin->Height(); ++y)
        for (int x = 0; x < twin->Width(); ++x) wrong += twin->Pixel(x, y) != face.Pixel(x / k, y / k);
      EXPECT_EQ(wrong, 0);
    }
  }
}

TEST(CardFaceTwin, NoneUnlessEveryPictureHasOne) {
  dialogs::CardArt art = testing_support::FlatCardArt(2);
  EXPECT_EQ(dialogs::CardFace(art, 4, 0).Twin(3), nullptr);
  art.Suits = Bitmap(60, 30);  // the pips without their twin
  EXPECT_EQ(dialogs::CardFace(art, 4, 0).Twin(2), nullptr);
}

TEST(DialogTwins, ComeFromTheProgramFoldersScaleFolder) {
  for (int k : {2, 3}) {
    dialogs::CardArt art = dialogs::LoadCardArt();
    dialogs::AttachCardTwins(art, kDir, k);
    for (const Bitmap* b : {&art.Pos, &art.Neg, &art.back, &art.Joker, &art.Royal, &art.Suits,
                            &art.SuitSm, &art.Black, &art.Red}) {
      ASSERT_NE(b->Twin(k), nullptr) << "k " << k;
      EXPECT_EQ(b->Twin(k)->Width(), b->Width() * k);
    }
    EXPECT_NE(dialogs::CardFace(art, rules::kKing, 1).Twin(k), nullptr);
    EXPECT_NE(dialogs::DialogBitmap("OkTick", kDir, k).Twin(k), nullptr);
    EXPECT_NE(dialogs::DialogBitmap("Borrow1000", kDir, k).Twin(k), nullptr);
  }
  // At scale 1, and where the folder has none, the pictures are the 1x ones alone.
  dialogs::CardArt art = dialogs::LoadCardArt();
  dialogs::AttachCardTwins(art, kDir, 1);
  EXPECT_EQ(art.Joker.Twin(2), nullptr);
  EXPECT_EQ(dialogs::DialogBitmap("HelpMark", kDir + "no-such-folder/", 2).Twin(2), nullptr);
  EXPECT_TRUE(dialogs::DialogBitmap("HelpMark", kDir + "no-such-folder/", 2).Width() > 0);
}

}  // namespace
