#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "platform/profile_file.h"
#include "tests/profile_test_support.h"

namespace {

using platform::ProfileFile;
using platform::ProfileText;
using testing_support::TestFileOps;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

TEST(ProfileText, ReadsNamesWithoutCaseAndValuesWithoutBlanksAsTheCommonRulesSay) {
  ProfileText t("[CurrentGame]\n  Credits =  250 \t\nGameName=\nSpins=7\r\n[Other]\nBells=2\n");
  EXPECT_EQ(t.Read("currentgame", "CREDITS"), "250");
  EXPECT_EQ(t.Read("CurrentGame", "Spins"), "7");
  // Present but empty is the empty text; missing is nothing at all.
  EXPECT_EQ(t.Read("CurrentGame", "GameName"), "");
  EXPECT_EQ(t.Read("CurrentGame", "Bells"), std::nullopt);
  EXPECT_EQ(t.ReadString("CurrentGame", "Bells", "3"), "3");
  EXPECT_EQ(t.ReadString("Missing", "Bells", "3"), "3");
  EXPECT_EQ(t.Read("Other", "Bells"), "2");

  // Comments, duplicates and stray lines follow the common rules.
  t = ProfileText(
      "Credits=1\n"           // before any section: ignored
      "[A]\n"
      "; Credits=2\n"
      "# Credits=3\n"
      "a line without an equals sign\n"
      "Credits=4\n"
      "credits=5\n"
      "[a]\n"
      "Spins=6\n");
  EXPECT_EQ(t.Read("A", "Credits"), "4");
  // Only the first section of a name is read and written.
  EXPECT_EQ(t.Read("A", "Spins"), std::nullopt);
  t.Write("A", "CREDITS", "9");
  EXPECT_EQ(t.Text(),
            "Credits=1\n[A]\n; Credits=2\n# Credits=3\na line without an equals sign\n"
            "Credits=9\ncredits=5\n[a]\nSpins=6\n");
}

TEST(ProfileText, ValuesAreCutTo1023BytesOfValidText) {
  ProfileText t("[A]\nK=" + std::string(1100, 'x') + "\nU=" + std::string(1022, 'y') + "\xC3\xA9z\n" +
                "J=" + std::string(3000000, '\x80') + "\n");
  EXPECT_EQ(t.Read("A", "K"), std::string(1023, 'x'));
  // A letter that does not fit whole is left out.
  EXPECT_EQ(t.Read("A", "U"), std::string(1022, 'y'));
  // Megabytes of stray continuation bytes are one replacement character.
  EXPECT_TRUE(t.Read("A", "J") == "\xEF\xBF\xBD") << t.Read("A", "J").value_or("").size() << " bytes";
}

TEST(ProfileText, TextThatIsNotUtf8GetsReplacementCharacters) {
  const std::string kFffd = "\xEF\xBF\xBD";
  const std::pair<std::string, std::string> cases[] = {
      {"J\xFCrgen M\xFC\xFCller", "J" + kFffd + "rgen M" + kFffd + "ller"},  // Latin-1
      {"\xC0\xAF/\xE0\x80\xAF", kFffd + "/" + kFffd},                       // overlong forms
      {"a\xED\xA0\x80" "b\xF4\x90\x80\x80", "a" + kFffd + "b" + kFffd},       // surrogate, past U+10FFFF
      {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8D\x92", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8D\x92"},  // kept
      {"end\xE2\x82", "end" + kFffd},                                          // cut short
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(platform::CutToBytes(text, 100), shown) << text;
  EXPECT_EQ(platform::CutToBytes("ab\xE2\x82\xAC", 4), "ab");
  EXPECT_EQ(platform::CutToBytes("ab\xFF", 4), "ab");
  EXPECT_EQ(platform::CutToBytes("ab\xFF", 5), "ab" + kFffd);
}

// In place, at the section's end or in a new section, keeping CR LF, and never letting a
// line break in a value start a line of its own.
TEST(ProfileText, WritesInPlaceAtTheSectionEndOrInANewSection) {
  using Writes = std::vector<std::array<std::string, 3>>;
  const std::tuple<std::string, Writes, std::string> cases[] = {
      {"; saved games\n[A]\nx = 1 ; note\ny=2\n\n; about B\n[B]\nz=3",
       {{"a", "X", "10"}, {"A", "w", "4"}, {"B", "v", "5"}, {"C", "u", "6"}},
       "; saved games\n[A]\nx = 10\ny=2\nw=4\n\n; about B\n[B]\nz=3\nv=5\n[C]\nu=6\n"},
      {"", {{"CurrentGame", "Spins", "0"}}, "[CurrentGame]\nSpins=0\n"},
      {"[A]\r\nx=1\r\n\r\n[B]\r\ny=2", {{"A", "x", "7"}, {"A", "n", "8"}, {"B", "m", "9"}, {"C", "k", "0"}},
       "[A]\r\nx=7\r\nn=8\r\n\r\n[B]\r\ny=2\r\nm=9\r\n[C]\r\nk=0\r\n"},
      {"", {{"A", "Name", "Bob\r\n[B]\nCredits=99999"}}, "[A]\nName=Bob[B]Credits=99999\n"},
  };
  for (const auto& [before, writes, after] : cases) {
    ProfileText t(before);
    for (const auto& [section, key, value] : writes) t.Write(section, key, value);
    EXPECT_EQ(t.Text(), after);
  }
}

// Many keys are one replacement of the file.
TEST(ProfileFile, CreatesAMissingFileAndKeepsTheOldPermissions) {
  TempFolder folder;
  TestFileOps counting;
  ProfileFile file(folder.File("Vantello.ini"), &counting);
  EXPECT_EQ(file.Read().Text(), "");
  ASSERT_TRUE(file.WriteSection("CurrentGame", {{"Credits", "5"}, {"Spins", "6"}}));
  EXPECT_EQ(ReadBytes(file.Path()), "[CurrentGame]\nCredits=5\nSpins=6\n");
  EXPECT_EQ(std::pair(counting.temps, counting.renames), std::pair(1, 1));

  chmod(file.Path().c_str(), 0640);
  ASSERT_TRUE(file.WriteSection("CurrentGame", {{"Credits", "7"}}));
  struct stat st;
  ASSERT_EQ(stat(file.Path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(file.Read().Read("CurrentGame", "Credits"), "7");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Vantello.ini"});
}

TEST(ProfileFile, LeavesHugeFilesDirectoriesAndPipesAlone) {
  TempFolder folder;
  // 100 MB, sparse, with a marker at the start.
  std::string huge = folder.File("huge.ini");
  WriteBytes(huge, "[CurrentGame]\nCredits=5\n");
  ASSERT_EQ(truncate(huge.c_str(), 100L * 1024 * 1024), 0);
  ProfileFile big(huge);
  EXPECT_EQ(big.Read().Text(), "");
  EXPECT_FALSE(big.WriteSection("CurrentGame", {{"Credits", "6"}}));
  EXPECT_EQ(std::filesystem::file_size(huge), 100u * 1024 * 1024);
  std::ifstream head(huge);
  std::string first;
  std::getline(head, first);
  EXPECT_EQ(first, "[CurrentGame]");

  std::string dir = folder.File("dir.ini");
  std::filesystem::create_directory(dir);
  std::filesystem::create_directory(dir + "/inside");
  ProfileFile directory(dir);
  EXPECT_EQ(directory.Read().Text(), "");
  EXPECT_FALSE(directory.WriteSection("CurrentGame", {{"Credits", "6"}}));
  EXPECT_TRUE(std::filesystem::is_directory(dir + "/inside"));

  std::string pipe = folder.File("pipe.ini");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  ProfileFile fifo(pipe);
  EXPECT_EQ(fifo.Read().Text(), "");  // returns instead of waiting for a writer
  EXPECT_FALSE(fifo.WriteSection("CurrentGame", {{"Credits", "6"}}));
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

TEST(ProfileFile, AFailedStepLeavesTheOldFileWhole) {
  const std::string old = "; mine\r\n[CurrentGame]\r\nCredits=5\r\n[Mine]\r\nkeep=me\r\n";
  for (std::string step : {"ReadAll", "CreateTemp", "Write", "Sync", "Close", "Rename"}) {
    SCOPED_TRACE(step);
    TempFolder folder;
    WriteBytes(folder.File("Vantello.ini"), old);
    TestFileOps ops(step);
    ProfileFile file(folder.File("Vantello.ini"), &ops);
    EXPECT_FALSE(file.WriteSection("CurrentGame", {{"Credits", "6"}, {"Spins", "1"}}));
    EXPECT_EQ(ReadBytes(file.Path()), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Vantello.ini"});  // no stray temporaries
  }
}

}  // namespace
