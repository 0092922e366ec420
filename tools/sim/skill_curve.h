// The return to player against a person's timing error at the skill stop, as a table,
// as JSON and as a picture.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/par_sheet.h"

namespace sim {

struct SkillCurvePoint {
  double JitterMs = 0;
  double LampChance = 0;
  double Rtp = 0;  // % of bet
};

struct SkillCurve {
  int32_t Lines = 8, Coins = 1, Bet = 8;
  double BiasMs = 0;
  analysis::LampReturnLine Line;
  SkillCurvePoint NoStop, Perfect;       // the two limits, jitter aside
  std::vector<SkillCurvePoint> Table;    // 0 to 150 ms every 5 ms
  std::vector<SkillCurvePoint> Picture;  // every 1 ms, for the drawing
};

SkillCurve WorkOutSkillCurve(const analysis::MachineTables& t, double bias_ms);

std::string SkillCurveText(const SkillCurve& c);
std::string SkillCurveJson(const SkillCurve& c);  // one line
// The curve with the two limits as labelled horizontal lines; throws UsageError when the
// file cannot be written.
void WriteSkillCurveSvg(const SkillCurve& c, const std::string& path);

// "Return = A% + B% x bonus-lamp chance".
std::string LampLineText(const analysis::LampReturnLine& line);
// {"base", "per_lamp", "per_regular_lamp", "per_roll_lamp"}, % of bet.
std::string LampLineJson(const analysis::LampReturnLine& line);

}  // namespace sim
