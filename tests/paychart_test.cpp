// The payoff chart window: as large as the chart picture, read anew at each opening,
// and a clear message (with drawing never left held) when the picture cannot be read.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "dialogs/paychart.h"
#include "platform/bmp.h"
#include "platform/testing/fake_dialog.h"
#include "tests/profile_test_support.h"
#include "tests/test_machine.h"

namespace {

using platform::testing::FakeDialog;

TEST(PayChart, TheWindowIsExactlyTheChartReadAnewOrAMessage) {
  testing_support::TestMachine tm;
  testing_support::TempFolder folder;
  tm.m.ProgramFolder = folder.path.string() + "/";
  const std::string file = folder.File("Paychart.bmp");
  // Opens the chart and checks what every opening shows.
  auto open = [&](const std::function<void(FakeDialog&)>& check) {
    tm.dialogs.scripts.push_back([&](FakeDialog& d) {
      EXPECT_EQ(std::tuple(d.caption, d.help_topic, d.surface.Held()), std::tuple("Payoff Chart", 41010, false));
      check(d);
    });
    dialogs::ShowPayChart(tm.m);
  };
  for (auto [w, h, colour] : {std::tuple{123, 45, 0x3366CCu}, {300, 200, 0x00AA00u}}) {
    platform::Bitmap chart(w, h, colour);
    chart.SetPixel(w - 1, h - 1, platform::kWhite);
    ASSERT_TRUE(platform::SaveFile(file, platform::EncodeBmp24(chart)));
    open([&, w = w, h = h, colour = colour](FakeDialog& d) {
      EXPECT_EQ(std::pair(d.width, d.height), std::pair(w, h));
      const platform::Bitmap& px = d.surface.Pixels();
      ASSERT_EQ(px.Width(), w);
      EXPECT_EQ(std::pair(px.Pixel(0, 0), px.Pixel(w - 1, h - 1)), std::pair(colour, platform::kWhite));
      EXPECT_TRUE(d.controls.empty());
    });
  }
  for (const char* bytes : {"BM not really a picture", ""}) {
    if (*bytes) testing_support::WriteBytes(file, bytes);
    else std::filesystem::remove(file);
    open([&](FakeDialog& d) {
      ASSERT_FALSE(d.controls.empty());
      EXPECT_EQ(d.controls.front().text, "The payoff chart \"" + file + "\" could not be read.");
    });
  }
  EXPECT_EQ(tm.dialogs.opened.size(), 4u);
}

}  // namespace
