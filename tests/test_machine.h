// A machine wired to the test double: scripted clock, recorded sounds, boxes,
// meter redraws and drawing, and artwork of the right sizes in plain colours.
#pragma once
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/machine.h"
#include "platform/testing/fake_platform.h"

namespace testing_support {

class RecordingView : public core::MachineView {
 public:
  void DrawCreditsMeter() override { calls.push_back("Credits"); }
  void DrawBellPoolMeter() override { calls.push_back("BellPool"); }
  void DrawLinesMeter() override { calls.push_back("Lines"); }
  void DrawCoinsMeter() override { calls.push_back("Coins"); }
  void DrawCoinsPlayedMeter() override { calls.push_back("CoinsPlayed"); }
  void DrawBellsRow() override { calls.push_back("Bells"); }
  void DrawCherriesRow() override { calls.push_back("Cherries"); }
  void ShowWinnings(bool show) override { calls.push_back(show ? "ShowWinnings" : "HideWinnings"); }
  void DrawCommandCaptions() override { calls.push_back("Captions"); }
  void RepaintAll() override { calls.push_back("Repaint"); }
  int Count(const std::string& name) const {
    int n = 0;
    for (const auto& c : calls) n += c == name;
    return n;
  }
  std::vector<std::string> calls;
};

struct TestMachine {
  explicit TestMachine(int screen_width = 640, int cell_size = 64);

  // Symbols shown in the nine cells, given as codes, by choosing strips and stops.
  void ShowWindow(const std::array<int, 9>& codes);

  platform::testing::FakePlatform fake;
  platform::testing::FakeText text;
  platform::Canvas canvas;
  RecordingView view;
  core::Machine m;
};

}  // namespace testing_support
