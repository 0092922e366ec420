// A view that writes the meter redraws and the sounds into one log, in the order they
// happened, with the meter's value at each redraw.
#pragma once
#include <string>
#include <vector>

#include "machine/machine.h"
#include "platform/testing/fake_platform.h"

namespace testing_support {

class OrderedView : public machine::MachineView {
 public:
  OrderedView(machine::Machine& m, platform::testing::FakePlatform& fake) : m_(m), fake_(fake) {
    m.view = this;
  }
  void DrawCreditsMeter() override { Note("Credits=" + std::to_string(m_.g.Credits)); }
  void DrawBellPoolMeter() override { Note("BellPool=" + std::to_string(m_.g.BellPool)); }
  void DrawLinesMeter() override { Note("Lines"); }
  void DrawCoinsMeter() override { Note("Coins"); }
  void DrawCoinsPlayedMeter() override { Note("CoinsPlayed"); }
  void DrawBellsRow() override { Note("Bells=" + std::to_string(m_.g.Bells)); }
  void DrawCherriesRow() override { Note("Cherries=" + std::to_string(m_.g.Cherries)); }
  void ShowWinnings(bool show) override { Note(show ? "ShowWinnings" : "HideWinnings"); }
  void DrawCommandCaptions() override { Note("Captions"); }
  void RepaintAll() override { Note("Repaint"); }

  // Something else worth placing in the sequence (a card game, a timer found running).
  void Note(const std::string& what) {
    Flush();
    log_.push_back(what);
  }
  const std::vector<std::string>& Log() {
    Flush();
    return log_;
  }

 private:
  void Flush() {
    for (; sounds_seen_ < fake_.sounds.size(); ++sounds_seen_) log_.push_back(fake_.sounds[sounds_seen_]);
  }
  machine::Machine& m_;
  platform::testing::FakePlatform& fake_;
  size_t sounds_seen_ = 0;
  std::vector<std::string> log_;
};

}  // namespace testing_support
