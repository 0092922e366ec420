#include "analysis/luck.h"

#include <algorithm>
#include <cmath>

#include "analysis/par_sheet.h"

namespace analysis {

ReturnRange LuckRange(int32_t lines, int32_t coins, double lamp_chance, int64_t games) {
  const ParSheet sheet = ComputeParSheet(DeriveMachineTables(lines, coins), std::clamp(lamp_chance, 0.0, 1.0));
  const double bet = static_cast<double>(lines) * coins;
  ReturnRange r;
  r.expected = sheet.Workings.MeanWin / bet * 100;
  const double spread = 1.96 * std::sqrt(std::max(0.0, sheet.Workings.WinVariance)) / bet * 100 / std::sqrt(std::max<int64_t>(games, 1));
  r.low = std::max(0.0, r.expected - spread);
  r.high = r.expected + spread;
  return r;
}

}  // namespace analysis
