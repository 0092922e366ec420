// Fuzz target: any bytes as the saved-game file. Loading must not crash and must give a
// game whose meters are in range; saving a game into any file and loading it back must
// give that game again; the integer decoding must agree with the decimal it is written in.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "persistence/saved_game.h"
#include "platform/profile_file.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

void CheckRanges(const rules::GameState& g) {
  Check(persistence::SavedCountersInRange(g));
  Check(g.GameName.size() <= 30 * 4 && g.GameDate.size() <= 10 * 4);
}

rules::GameState SomeGame(const std::string& bytes) {
  rules::GameState g;
  g.Credits = static_cast<int32_t>(bytes.size());
  g.Cherries = 2;
  g.Bells = 1;
  g.BellPool = 345;
  g.LinesPlayed = 5;
  g.CoinsPerLine = 0;
  g.DoubleOrNothingWon = -77;
  g.SkillStopWins = 9;
  g.DoubleOrNothingOn = false;
  g.AutoSave = false;
  return g;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  if (auto n = persistence::ParseSavedInteger(bytes))
    Check(persistence::ParseSavedInteger(std::to_string(*n)) == n);

  platform::ProfileText text(bytes);
  for (int slot = 0; slot <= persistence::kCurrentGameSlot; ++slot) {
    rules::GameState g;
    persistence::LoadGameSection(g, text, slot, "01/01/00");
    CheckRanges(g);
  }

  // Save into whatever the file holds, then load: the same game comes back, and a key
  // of another section reads as before.
  const rules::GameState saved = SomeGame(bytes);
  const auto keys = persistence::GameSectionKeys(saved, bytes.substr(0, 40), "12/31/99");
  for (int slot = 0; slot <= persistence::kCurrentGameSlot; ++slot) {
    platform::ProfileText copy = text;
    const std::string other = persistence::SectionName((slot + 1) % 9);
    const auto other_before = copy.Read(other, "Credits");
    copy.Write(persistence::SectionName(slot), keys);
    rules::GameState loaded, expected = saved;
    persistence::LoadGameSection(loaded, copy, slot, "01/01/00");
    expected.GameName = loaded.GameName;  // names are cut and cleaned on the way
    expected.GameDate = "12/31/99";
    Check(persistence::SameSavedFields(loaded, expected));
    Check(copy.Read(other, "Credits") == other_before);
  }
  return 0;
}
