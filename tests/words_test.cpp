// The player's words: sentences with numbered places, and English where no catalogue is.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "platform/words.h"

namespace {

TEST(Words, PlacesAreFilledWhereTheSentencePutsThem) {
  EXPECT_EQ(platform::FillIn("Line %1 paid %2.", {"3", "40"}), "Line 3 paid 40.");
  // A language may turn the sentence round or name a place twice.
  EXPECT_EQ(platform::FillIn("%2 zahlte Linie %1 (%2)", {"3", "40"}), "40 zahlte Linie 3 (40)");
  // A place with nothing for it is left out; a per cent sign that is no place stays.
  EXPECT_EQ(platform::FillIn("%1 of %3 at 100%", {"a", "b"}), "a of  at 100%");
  EXPECT_EQ(platform::FillIn("ends in %", {}), "ends in %");
}

TEST(Words, WithoutALanguageEveryTextStaysEnglish) {
  // The tests run in the "C" locale: no language is asked for, whatever LANGUAGE says.
  setenv("LANGUAGE", "de", 1);
  EXPECT_TRUE(platform::PlayersLanguages().empty());
  EXPECT_STREQ(_("Load Game"), "Load Game");
  EXPECT_STREQ(P_("%1 game", "%1 games", 1), "%1 game");
  EXPECT_STREQ(P_("%1 game", "%1 games", 2), "%1 games");
  EXPECT_STREQ(_(""), "");
  unsetenv("LANGUAGE");
}

}  // namespace
