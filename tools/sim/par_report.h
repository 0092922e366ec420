// The pay sheet's figures as the player of vantello-sim reads them: a text table, or
// JSON members. Shared by `par` (exact figures) and `run` (simulated, with intervals).
#pragma once
#include <string>

#include "analysis/par_sheet.h"

namespace sim {

analysis::SkillStop ParseSkillStop(const std::string& text);
const char* SkillStopName(analysis::SkillStop skill);

// The figures as aligned text; with intervals, each value is followed by its
// confidence interval and a mark where few events stand behind it.
std::string ReportText(const analysis::Report& r, bool intervals);

// The figures as JSON members (no surrounding braces): top-level figures, then the
// objects "rtp_by_source" and "award_probability". With intervals each figure is an
// object {"value", "low", "high", "events"}, otherwise a number.
std::string ReportJsonMembers(const analysis::Report& r, bool intervals);

// One number through a printf format, such as "%.3f".
std::string Format(const char* format, double v);

// A number for JSON: null when it is not finite.
std::string JsonNumber(double v);

}  // namespace sim
