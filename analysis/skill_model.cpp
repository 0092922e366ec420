#include "analysis/skill_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "rules/spin_rules.h"

namespace analysis {

namespace {

constexpr double kStep = rules::kStepMs;
// The chaser's last move; from then on the lamps stay as a spin that runs out leaves them.
constexpr double kChaserEnd = rules::kChaserMoves * kStep;

// The lamps after k chaser moves, k = 0..97, from one start, as the game moves them.
struct ChaserRun {
  std::array<bool, rules::kChaserMoves + 1> AllLit{};
  std::array<bool, rules::kChaserMoves + 1> BonusLit{};  // the sixth lamp
};

ChaserRun RunChaser(int pos, int dir) {
  ChaserRun run;
  std::array<bool, 6> lamps = rules::StartingLamps(pos, dir);
  for (int k = 0; k <= rules::kChaserMoves; ++k) {
    if (k > 0) rules::MoveChaser(pos, dir, lamps);
    run.AllLit[k] = std::all_of(lamps.begin(), lamps.end(), [](bool on) { return on; });
    run.BonusLit[k] = lamps[5];
  }
  return run;
}

int AimedStep(const ChaserRun& run) {
  const double middle = kChaserEnd / 2;
  int best = -1;
  for (int k = 0; k < rules::kChaserMoves; ++k)
    if (run.AllLit[k] && (best < 0 || std::abs(k * kStep + kStep / 2 - middle) <
                                          std::abs(best * kStep + kStep / 2 - middle)))
      best = k;
  return best;
}

// The chance that the press comes before time x: the normal distribution function, or a
// step at the aimed moment when the player has no timing error.
double PressBefore(double x, double mean, double sd) {
  if (sd <= 0) return mean < x ? 1 : 0;
  return 0.5 * std::erfc((mean - x) / (sd * std::sqrt(2.0)));
}

}  // namespace

int AimedStep(int pos, int dir) { return AimedStep(RunChaser(pos, dir)); }

double HumanLampChance(const PressTiming& player, int pos, int dir) {
  const ChaserRun run = RunChaser(pos, dir);
  const double mean = AimedStep(run) * kStep + kStep / 2 + player.BiasMs;
  const double sd = player.JitterMs;
  // State k stands from move k (time 25k, move 0 being the end of the set-up) to the next.
  double lit = 0;
  for (int k = 0; k < rules::kChaserMoves; ++k)
    if (run.BonusLit[k]) lit += PressBefore((k + 1) * kStep, mean, sd) - PressBefore(k * kStep, mean, sd);
  // Too early (forgotten by the set-up) or after the last move: the spin's lamps as it runs out.
  if (run.BonusLit[rules::kChaserMoves])
    lit += PressBefore(0, mean, sd) + (1 - PressBefore(kChaserEnd, mean, sd));
  return lit;
}

double HumanLampChance(const PressTiming& player) {
  double sum = 0;
  for (int dir : {-1, 1})
    for (int pos = 0; pos < rules::kChaserLamps; ++pos) sum += HumanLampChance(player, pos, dir);
  return sum / rules::kChaserStarts;
}

}  // namespace analysis
