#include "payoffs/evaluation.h"

// A window that pays nothing, until the pay tables are in.
namespace payoffs {

namespace {
void NoWin(core::Machine& m) {
  m.g.WinItem = -1;
  m.g.FlashTicks = 0;
  m.g.LastSpinSummary = "There were no winning lines on the last spin.";
}
}  // namespace

void EvaluateRegularSpin(core::Machine& m) { NoWin(m); }
void EvaluateCherryRoll(core::Machine& m) { NoWin(m); }
void EvaluateBarRoll(core::Machine& m) { NoWin(m); }

}  // namespace payoffs
