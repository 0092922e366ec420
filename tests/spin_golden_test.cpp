// One whole regular spin pinned as the game plays it today, from the bet to the last
// counted credit: any change to the set-up draws, the chaser, the wheels' animation,
// the evaluation, the sounds or the count-off shows here.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "machine/bets.h"
#include "tests/test_machine.h"

namespace {

using Call = platform::testing::RecordingCanvas::Call;

// The whole drawing of the spin, one call a line, so that a change shows where it is. To
// take a changed drawing as the new truth, run the test once with VANTELLO_UPDATE_GOLDEN=1
// and read the file's diff before committing it.
const std::string kGoldenPath = std::string(VANTELLO_SOURCE_DIR) + "tests/golden/spin_win_counted_off.txt";

// kind x y w h colour [text]; control bytes in a text are escaped so that a call stays one line.
std::string DrawingLine(const Call& c) {
  static const char* const kKinds[] = {"blit", "fill", "hatch", "text", "grab"};
  char fields[96];
  std::snprintf(fields, sizeof fields, "%s %d %d %d %d %06x", kKinds[c.kind], c.x, c.y, c.w, c.h,
                static_cast<unsigned>(c.color));
  std::string line = fields;
  if (!c.text.empty()) line += ' ';
  for (unsigned char ch : c.text) {
    if (ch >= 0x20 && ch != '\\') {
      line += static_cast<char>(ch);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", ch);
      line += escaped;
    }
  }
  return line;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The first few lines where the drawing parts from the golden one, or "" when none do.
std::string FirstDifferences(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  std::ostringstream diff;
  int shown = 0;
  for (size_t i = 0; i < std::max(expected.size(), actual.size()) && shown < 5; ++i) {
    const char* none = "(no line)";
    std::string want = i < expected.size() ? expected[i] : none;
    std::string got = i < actual.size() ? actual[i] : none;
    if (want == got) continue;
    diff << "line " << i + 1 << "\n  expected: " << want << "\n  actual:   " << got << "\n";
    ++shown;
  }
  if (shown > 0 && expected.size() != actual.size())
    diff << expected.size() << " lines expected, " << actual.size() << " drawn\n";
  return diff.str();
}

TEST(SpinGolden, WinWithCherryStepsAndAPoolShareCountedOff) {
  testing_support::TestMachine t;
  testing_support::RecordingView view(t);
  t.fake.time_of_day_ = 207;  // lines 3 and 8 win; three cherry steps; a Seven feeds the pool
  t.m.g.DoubleOrNothingOn = false;
  t.m.g.CountOffWins = true;  // counted off
  t.canvas.Record(true);
  uint64_t start = t.fake.TickMs();
  machine::RequestSpin(t.m);

  const rules::GameState& g = t.m.g;
  EXPECT_EQ(g.Stops, (std::array<int32_t, 9>{6, 8, 9, 4, 10, 8, 3, 16, 3}));
  EXPECT_EQ(view.Log(), (std::vector<std::string>{
      "Credits=992", "HideWinnings", "click", "click", "click", "click", "click", "click", "click", "click", "click",
      "Cherries=5", "Cherry5.wav", "Cherries=4", "Cherry5.wav", "Cherries=3", "Cherry5.wav", "BellPool=107",
      "ShowWinnings", "Cherry9.wav", "ShowWinnings",
      "Cherry8.wav", "Credits=993", "Cherry8.wav", "Credits=994", "Cherry8.wav", "Credits=995",
      "Cherry8.wav", "Credits=996", "Cherry8.wav", "Credits=997", "Cherry8.wav", "Credits=998",
      "Cherry8.wav", "Credits=999", "Cherry8.wav", "Credits=1000", "Cherry8.wav", "Credits=1001",
      "Cherry8.wav", "Credits=1002", "Cherry8.wav", "Credits=1003", "Cherry8.wav", "Credits=1004"}));

  const auto& calls = t.canvas.Recorded();
  std::array<int, 5> per_kind{};
  for (const auto& c : calls) per_kind[c.kind]++;
  EXPECT_EQ(per_kind, (std::array<int, 5>{764, 9, 0, 0, 9}));  // blits, fills, hatches, texts, grabs
  std::vector<std::string> drawn;
  drawn.reserve(calls.size());
  for (const auto& c : calls) drawn.push_back(DrawingLine(c));
  if (const char* update = std::getenv("VANTELLO_UPDATE_GOLDEN"); update && std::string(update) == "1") {
    std::ofstream out(kGoldenPath);
    for (const std::string& line : drawn) out << line << '\n';
    ASSERT_TRUE(out.flush()) << "cannot write " << kGoldenPath;
  }
  std::vector<std::string> golden = ReadLines(kGoldenPath);
  ASSERT_FALSE(golden.empty()) << kGoldenPath << " is missing; VANTELLO_UPDATE_GOLDEN=1 writes it";
  const std::string diff = FirstDifferences(golden, drawn);
  EXPECT_TRUE(diff.empty()) << "the spin's drawing differs from " << kGoldenPath << ":\n" << diff;
  EXPECT_EQ(t.fake.TickMs() - start, 3726u);  // 101 paced steps, the win sound, 12 count-off steps

  EXPECT_EQ(std::tuple(g.Credits, g.Cherries, g.Bells, g.BellPool, g.Spins, g.TotalBets, g.SpinWin, t.m.animation.FlashedItem),
            std::tuple(1004, 3, 3, 107, 1, 8, 0, 2));
  EXPECT_EQ(g.LineWins, (std::array<int32_t, 8>{0, 0, 10, 0, 0, 0, 0, 2}));
  EXPECT_EQ(g.LastSpinSummary, "Line 3 paid 10.\r\nLine 8 paid 2.\r\n7 Credits were added to the Bell Pool.\r\n");
  EXPECT_TRUE(t.fake.Running(machine::LampTimer::WinFlash));  // the win flash goes on
}

}  // namespace
