#include <stdlib.h>

#include <gtest/gtest.h>

#include "persistence/saved_game.h"
#include "tests/profile_test_support.h"

namespace {

using persistence::LoadGameSection, persistence::SaveGameSection;
using platform::ProfileFile, platform::ProfileText, rules::GameState;
using testing_support::ReadBytes, testing_support::TempFolder, testing_support::WriteBytes;

const std::string kToday = "06/15/24";

const std::vector<std::string> kKeys = {
    "GameName", "GameDate", "Credits", "Borrowed", "Cherries", "Bells", "BellPool", "Spins",
    "LinesPlayed", "CoinsPerLine", "BellPoolWon", "CherryRollsWon", "DoubleOrNothingWon",
    "BarRollWon", "NumberOfCherryRolls", "NumberOfBarRolls", "GotBonusCount", "SevensWon",
    "FruitWon", "TotalBets", "Sound", "Double", "PayMode", "AutoSave"};

// A game as far away from every default as the ranges allow.
GameState PlayedGame() {
  GameState g;
  g.Credits = 4321, g.Borrowed = 0, g.Cherries = 2, g.Bells = 1, g.BellPool = 777, g.Spins = 120;
  g.LinesPlayed = 3, g.CoinsPerLine = 5, g.BellPoolWon = 11, g.CherryRollsWon = 12;
  g.DoubleOrNothingWon = -13, g.BarRollsWon = 14, g.NumberOfCherryRolls = 15, g.NumberOfBarRolls = 16;
  g.SkillStopWins = 17, g.SevensWon = 18, g.FruitWon = 19, g.TotalBets = 2000;
  g.Sound = g.DoubleOrNothingOn = g.CountOffWins = g.AutoSave = false;
  return g;
}

// The game that a section holding just these lines loads as.
GameState LoadFrom(const std::string& lines, int slot = persistence::kCurrentGameSlot) {
  GameState g = PlayedGame();
  LoadGameSection(g, ProfileText("[" + persistence::SectionName(slot) + "]\n" + lines), slot, kToday);
  return g;
}

TEST(SavedGame, SavesTheKeysInOrderAndLoadsThemBack) {
  TempFolder folder;
  ProfileFile file(folder.File("Vantello.ini"));
  GameState played = PlayedGame();
  ASSERT_TRUE(SaveGameSection(played, file, 2, "Sunday game", nullptr, kToday));

  std::istringstream lines(ReadBytes(file.Path()));
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "[GameNo3]");
  std::vector<std::string> keys;
  while (std::getline(lines, line)) keys.push_back(line.substr(0, line.find('=')));
  EXPECT_EQ(keys, kKeys);

  GameState loaded;
  LoadGameSection(loaded, file, 2, "01/01/99");
  played.GameName = "Sunday game";
  played.GameDate = kToday;
  EXPECT_EQ(persistence::SavedFieldsText(loaded), persistence::SavedFieldsText(played));
}

TEST(SavedGame, ANeverSavedSlotReadsTheDefaults) {
  TempFolder folder;
  ProfileFile file(folder.File("Vantello.ini"));
  ASSERT_TRUE(SaveGameSection(PlayedGame(), file, 8, "CurrentGame", nullptr, kToday));
  GameState g = PlayedGame();
  LoadGameSection(g, file, 4, kToday);
  GameState defaults;
  defaults.GameName = "GameNo5";
  defaults.GameDate = kToday;
  defaults.BellPool = 0;  // a section without a Bell Pool has an empty one
  EXPECT_EQ(persistence::SavedFieldsText(g), persistence::SavedFieldsText(defaults));
}

TEST(SavedGame, IntegersReadInDecimalAndHexadecimalWithinTheirRanges) {
  struct Case { std::string text; int32_t credits; };
  const Case cases[] = {
      {"0x1F4", 500},  {"$1F4", 500},       {"0X1f4", 500},   {"+42", 42},        {"007", 7},
      {"12abc", 1000}, {"", 1000},          {"0x", 1000},     {"$", 1000},        {"-", 1000},
      {"- 5", 1000},   {"$-1", 1000},       {"-0x10", 1000},  {"1 000", 1000},
      {"2147483647", 2147483647}, {"2147483648", 1000}, {"$7FFFFFFF", 2147483647}, {"$80000000", 1000},
      {"99999999999999999999999", 1000}, {"0x00000000000000001F4", 500}};
  for (const Case& c : cases)
    EXPECT_EQ(LoadFrom("Credits=" + c.text).Credits, c.credits) << '"' << c.text << '"';
  EXPECT_EQ(LoadFrom("DoubleOrNothingWon=-2147483648").DoubleOrNothingWon, INT32_MIN);
  EXPECT_EQ(LoadFrom("DoubleOrNothingWon=-2147483649").DoubleOrNothingWon, 0);
  EXPECT_EQ(LoadFrom("FruitWon=-5").FruitWon, -5);

  // Values out of their range read as their defaults.
  struct Range { std::string line; int32_t GameState::*field; int32_t expected; };
  const Range ranges[] = {
      {"LinesPlayed=9", &GameState::LinesPlayed, 8},   {"LinesPlayed=0", &GameState::LinesPlayed, 0},
      {"CoinsPerLine=-1", &GameState::CoinsPerLine, 1}, {"CoinsPerLine=8", &GameState::CoinsPerLine, 8},
      {"Cherries=0", &GameState::Cherries, 6},         {"Cherries=7", &GameState::Cherries, 6},
      {"Cherries=1", &GameState::Cherries, 1},         {"Bells=4", &GameState::Bells, 3},
      {"Bells=0", &GameState::Bells, 3},               {"Credits=-5", &GameState::Credits, 1000},
      {"Borrowed=-1", &GameState::Borrowed, 1000},     {"BellPool=-1", &GameState::BellPool, 0},
      {"Spins=-1", &GameState::Spins, 0},              {"TotalBets=-8", &GameState::TotalBets, 0},
      {"NumberOfCherryRolls=-1", &GameState::NumberOfCherryRolls, 0},
      {"NumberOfBarRolls=-1", &GameState::NumberOfBarRolls, 0},
      {"GotBonusCount=-1", &GameState::SkillStopWins, 0},
  };
  for (const Range& r : ranges) EXPECT_EQ(LoadFrom(r.line).*r.field, r.expected) << r.line;
}

TEST(SavedGame, SwitchesAreOnUnlessZero) {
  GameState g = LoadFrom("Sound=2\nDouble=0\nPayMode=abc\n");  // AutoSave missing
  EXPECT_EQ(std::vector<bool>({g.Sound, g.DoubleOrNothingOn, g.CountOffWins, g.AutoSave}),
            std::vector<bool>({true, false, true, true}));
  EXPECT_FALSE(LoadFrom("AutoSave=0x0").AutoSave);
  EXPECT_FALSE(LoadFrom("AutoSave= 0 ").AutoSave);
}

TEST(SavedGame, NamesAndDatesComeBackCutAndWithoutControlCharacters) {
  TempFolder folder;
  ProfileFile file(folder.File("Vantello.ini"));
  std::string forty = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
  ASSERT_TRUE(SaveGameSection(GameState(), file, 0, forty, nullptr, kToday));
  EXPECT_NE(ReadBytes(file.Path()).find("GameName=" + forty + "\n"), std::string::npos);
  GameState g;
  LoadGameSection(g, file, 0, kToday);
  EXPECT_EQ(g.GameName, forty.substr(0, 30));

  // Thirty bytes, never cut in a letter: fifteen letters of two bytes each, or fourteen after an "a".
  std::string umlauts;
  for (int i = 0; i < 35; ++i) umlauts += "\xC3\xBC";
  EXPECT_EQ(LoadFrom("GameName=" + umlauts).GameName, umlauts.substr(0, 30));
  EXPECT_EQ(LoadFrom("GameName=a" + umlauts).GameName, "a" + umlauts.substr(0, 28));
  EXPECT_EQ(LoadFrom("GameDate=2024-06-15 morning").GameDate, "2024-06-15");

  ASSERT_TRUE(SaveGameSection(GameState(), file, 0, "", nullptr, kToday));
  EXPECT_NE(ReadBytes(file.Path()).find("GameName=\n"), std::string::npos);
  LoadGameSection(g, file, 0, kToday);
  EXPECT_EQ(g.GameName, "");

  // Control characters never reach the file...
  const std::string name = "Bob\r\n[GameNo3]\nCredits=99999\tx\x7F";
  ASSERT_TRUE(SaveGameSection(GameState(), file, 1, name, nullptr, kToday));
  ProfileText text = file.Read();
  EXPECT_EQ(text.Read("GameNo2", "GameName"), "Bob[GameNo3]Credits=99999x");
  EXPECT_EQ(text.Read("GameNo3", "Credits"), std::nullopt);
  // ...nor the slot dialog, from a file edited by hand.
  g = LoadFrom("GameName=Be\rll\a\b\x1B[2Jx\x7F\nGameDate=06/\f15/\a24\n");
  EXPECT_EQ(g.GameName, "Bell[2Jx");
  EXPECT_EQ(g.GameDate, "06/15/24");
}

TEST(SavedGame, LoadingLeavesTheWheelsRollsAndAutoSpinAlone) {
  GameState g;
  g.Stops = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  g.CherryRollsLeft = 2;
  g.BarRollsLeft = 7;
  g.AutoSpin = true;
  g.SpinWin = 40;
  g.LineWins[3] = 40;
  g.LastSpinSummary = "Line 4 pays 40";
  GameState before = g;
  LoadGameSection(g, ProfileText("[CurrentGame]\nCredits=5\n"), 8, kToday);
  EXPECT_EQ(g.Credits, 5);
  EXPECT_TRUE(g.Stops == before.Stops && g.CherryRollsLeft == 2 && g.BarRollsLeft == 7 && g.AutoSpin &&
              g.SpinWin == 40 && g.LineWins == before.LineWins && g.LastSpinSummary == before.LastSpinSummary);
}

TEST(SavedGame, ASaveKeepsEverythingElseInTheFileByteForByte) {
  TempFolder folder;
  ProfileFile file(folder.File("Vantello.ini"));
  ASSERT_TRUE(SaveGameSection(PlayedGame(), file, 8, "CurrentGame", nullptr, kToday));
  // The player's own additions, in CR LF: comments, an unknown key, another section.
  std::string saved = ReadBytes(file.Path());
  std::string crlf;
  for (char c : saved) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  std::string own = "; my slot machine\r\n[Window]\r\nX = 10\r\n\r\n";
  std::string mine = own + crlf.insert(crlf.find("Spins="), "Lucky=yes\r\n# keep this\r\n");
  WriteBytes(file.Path(), mine);

  GameState g = PlayedGame();
  g.Credits = 99;
  ASSERT_TRUE(SaveGameSection(g, file, 8, "CurrentGame", nullptr, "06/16/24"));
  std::string expected = mine;
  expected.replace(expected.find("Credits=4321"), 12, "Credits=99");
  expected.replace(expected.find("06/15/24"), 8, "06/16/24");
  EXPECT_EQ(ReadBytes(file.Path()), expected);

  // A new section goes after all that, still in CR LF.
  ASSERT_TRUE(SaveGameSection(g, file, 7, "Eight", nullptr, kToday));
  std::string after = ReadBytes(file.Path());
  EXPECT_EQ(after.substr(0, expected.size()), expected);
  EXPECT_EQ(after.substr(expected.size(), 11), "[GameNo8]\r\n");
  for (size_t at = after.find('\n'); at != std::string::npos; at = after.find('\n', at + 1))
    ASSERT_EQ(after[at - 1], '\r') << "bare line feed at byte " << at;
}

TEST(SavedGamePath, FollowsXdgDataHomeOrHome) {
  TempFolder folder;
  std::string old_home = getenv("HOME") ? getenv("HOME") : "";
  setenv("HOME", folder.File("home").c_str(), 1);

  setenv("XDG_DATA_HOME", folder.File("data").c_str(), 1);
  EXPECT_EQ(persistence::SavedGamePath(), folder.File("data/vantello/Vantello.ini"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.path / "data/vantello"));

  const std::string in_home = folder.File("home/.local/share/vantello/Vantello.ini");
  for (const char* unusable : {"relative/data", ""}) {
    setenv("XDG_DATA_HOME", unusable, 1);
    EXPECT_EQ(persistence::SavedGamePath(), in_home) << unusable;
  }
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(persistence::SavedGamePath(), in_home);
  EXPECT_TRUE(std::filesystem::is_directory(folder.path / "home/.local/share/vantello"));

  setenv("HOME", old_home.c_str(), 1);
}

// 8 December 2026 as each locale's own date format writes it, at most 10 characters.
TEST(GameDate, FollowsTheLocalesOrderAndSeparator) {
  for (auto [format, separator] : {std::pair{"%m/%d/%y", '/'}, {"%d.%m.%Y", '.'}, {"%-d.%-m.%Y", '.'},
                                   {"%Y-%m-%d", '-'}, {"%F", '-'}, {"%D", '/'}, {"", '/'},
                                   {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5", '/'}})
    EXPECT_EQ(persistence::DateSeparatorOf(format), separator) << format;
  for (auto [format, date] : {std::pair{"%m/%d/%y", "12/08/26"},          // en_US
                              {"%d.%m.%Y", "08.12.2026"},                // de_DE
                              {"%d-%m-%Y", "08-12-2026"},                // tr_TR
                              {"%d/%m/%y", "08/12/26"},                  // en_GB, fr_FR
                              {"%e/%m/%y", "08/12/26"},                  // es_ES
                              {"%F", "2026-12-08"}, {"%D", "12/08/26"},  // sv_SE, C
                              {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5", "2026/12/08"},
                              {"", "12/08/26"}, {"%d.%m.", "12/08/26"}, {"%d %d %m", "12/08/26"}}) {
    EXPECT_EQ(persistence::FormatGameDate(2026, 12, 8, format), date) << format;
  }
  EXPECT_EQ(persistence::FormatGameDate(1996, 12, 1, "%m/%d/%y"), "12/01/96");

  setenv("LC_ALL", "C", 1);
  std::string today = persistence::TodayDate();
  unsetenv("LC_ALL");
  ASSERT_EQ(today.size(), 8u);
  EXPECT_TRUE(today[2] == '/' && today[5] == '/') << today;
}

}  // namespace
