// The payoff chart window: as large as the chart picture, read anew at each opening,
// and a clear message (with drawing never left held) when the picture cannot be read.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/paychart.h"
#include "platform/bmp.h"
#include "platform/testing/fake_dialog.h"
#include "tests/profile_test_support.h"
#include "tests/test_machine.h"

namespace {

using platform::testing::FakeDialog;
using platform::testing::FakeDialogFactory;
using testing_support::TempFolder;
using testing_support::TestMachine;

class PayChartTest : public ::testing::Test {
 protected:
  PayChartTest() {
    tm.m.ProgramFolder = folder.path.string() + "/";
  }

  void WriteChart(int w, int h, platform::Color colour) {
    platform::Bitmap chart(w, h, colour);
    chart.SetPixel(w - 1, h - 1, platform::kWhite);
    ASSERT_TRUE(platform::SaveFile(folder.File("Paychart.bmp"), platform::EncodeBmp24(chart)));
  }

  // Opens the chart and keeps what the window looked like.
  void Open() {
    dialogs.scripts.push_back([this](FakeDialog& d) {
      caption = d.caption;
      width = d.width;
      height = d.height;
      help_topic = d.help_topic;
      held = d.surface.Held();
      picture = d.surface.Pixels();
      texts.clear();
      for (const auto& c : d.controls) texts.push_back(c.text);
    });
    dialogs::ShowPayChart(tm.m);
  }

  TestMachine tm;
  FakeDialogFactory& dialogs = tm.dialogs;
  TempFolder folder;
  std::string caption;
  int width = 0, height = 0, help_topic = 0;
  bool held = true;
  platform::Bitmap picture;
  std::vector<std::string> texts;
};

TEST_F(PayChartTest, TheWindowIsExactlyTheChart) {
  WriteChart(123, 45, 0x3366CC);
  Open();
  EXPECT_EQ(caption, "Payoff Chart");
  EXPECT_EQ(width, 123);
  EXPECT_EQ(height, 45);
  EXPECT_EQ(help_topic, 41010);
  EXPECT_FALSE(held);
  ASSERT_EQ(picture.Width(), 123);
  EXPECT_EQ(picture.Pixel(0, 0), 0x3366CCu);
  EXPECT_EQ(picture.Pixel(122, 44), platform::kWhite);
  EXPECT_TRUE(texts.empty());
}

TEST_F(PayChartTest, EachOpeningReadsTheChartAgain) {
  WriteChart(123, 45, 0x3366CC);
  Open();
  WriteChart(300, 200, 0x00AA00);
  Open();
  EXPECT_EQ(width, 300);
  EXPECT_EQ(height, 200);
  EXPECT_EQ(picture.Pixel(10, 10), 0x00AA00u);
}

TEST_F(PayChartTest, AMissingOrBrokenChartIsReported) {
  const std::string message =
      "The payoff chart \"" + folder.File("Paychart.bmp") + "\" could not be read.";
  Open();
  EXPECT_EQ(caption, "Payoff Chart");
  EXPECT_EQ(texts.front(), message);
  EXPECT_FALSE(held);

  testing_support::WriteBytes(folder.File("Paychart.bmp"), "BM not really a picture");
  Open();
  EXPECT_EQ(texts.front(), message);
  EXPECT_FALSE(held);
  EXPECT_EQ(dialogs.opened.size(), 2u);
}

}  // namespace
