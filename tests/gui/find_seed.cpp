// Finds a time of day whose regular spin of 8 lines x 1 coin, run out without a skill
// stop, gives what a window test needs: "bar" earns Bar Rolls, "line" pays a line, "lose"
// pays nothing at all.
// A second argument n asks for the n-th such time instead of the first.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "rules/spin_rules.h"
#include "rules/strips.h"
#include "rules/pay_rules.h"

int main(int argc, char** argv) {
  const char* want = argc > 1 ? argv[1] : "line";
  int skip = argc > 2 ? std::atoi(argv[2]) : 1;
  auto strips = rules::RegularStrips();
  for (uint32_t t = 1000; t < 86'400'000; ++t) {
    platform::Rng rng(t);
    rules::SpinSetup s = rules::DrawSpinSetup(rng);
    rules::SpinInput in;
    for (int w = 0; w < 9; ++w) in.Cells[w] = strips[w][s.Stops[w]];
    in.BonusLamp = rules::BonusLampAfterFullSpin(s.ChaserPos, s.ChaserDir);
    rules::SpinOutcome r = rules::EvaluateWindow(rules::SpinKind::Regular, in);
    bool line_win = r.FirstWinItem >= 0 && r.FirstWinItem < 8 && !in.BonusLamp && r.CherryRollsEarned == 0;
    if ((std::strcmp(want, "bar") == 0 && r.BarRollsEarned > 0) ||
        (std::strcmp(want, "line") == 0 && line_win) ||
        (std::strcmp(want, "lose") == 0 && r.SpinWin == 0 && !in.BonusLamp && r.CherryRollsEarned == 0 &&
         r.BarRollsEarned == 0)) {
      if (--skip > 0) continue;
      std::printf("%u\n", t);
      return 0;
    }
  }
  return 1;
}
