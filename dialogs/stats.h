// TStatsForm: "Your Game Statistics", a snapshot of the game's counters taken when the
// dialog opens: spins, the money position and everything the machine has paid, by source.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "rules/game_state.h"
#include "machine/machine.h"
#include "dialogs/locale_numbers.h"
#include "platform/bitmap.h"
#include "platform/dialog.h"

namespace dialogs {

void ShowStatsDialog(machine::Machine& m);

// Skill-stop wins as a share of all spins, regular and rolls, in percent; 0 before any spin.
double SkillStopPercent(const rules::GameState& g);
// Everything paid except by Double or Nothing, as a share of all bets, in percent.
double OverallPayoffPercent(const rules::GameState& g);

class TStatsForm {
 public:
  TStatsForm(machine::Machine& m, NumberSeparators separators);
  void ShowModal();

 private:
  void FormCreate();
  void AddRow(const char* caption, int x, int y, bool caption_bold, int vx, int vy, int vw,
              bool bold, const std::string& value);
  std::string Count(int64_t value) const;
  std::string Percent(double value) const;

  machine::Machine& m_;
  NumberSeparators separators_;
  platform::Bitmap tick_;
  std::unique_ptr<platform::Dialog> dialog_;
};

}  // namespace dialogs
