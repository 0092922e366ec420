#include "tools/sim/par_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "tools/sim/commands.h"
#include "tools/sim/json.h"

namespace sim {

namespace {

using analysis::Basis;
using analysis::Figure;
using analysis::FigureGroup;
using analysis::Measure;

// Fewer events than this behind a simulated figure, and its interval is only a guess.
constexpr int64_t kFewEvents = 100;

std::string Number(const Figure& f, double v) {
  switch (f.Unit()) {
    case Measure::PercentOfBet:
    case Measure::Percent: return Format("%.3f", v);
    case Measure::Probability: return Format("%.6g", v);
    case Measure::Count: return Format("%.6f", v);
    case Measure::Credits: return Format("%.3f", v);
  }
  return Format("%g", v);
}

std::string Unit(const Figure& f) {
  switch (f.Unit()) {
    case Measure::PercentOfBet: return "% of bet";
    case Measure::Percent: return "%";
    case Measure::Credits: return "credits";
    default: return "";
  }
}

const char* PerText(Basis per) {
  switch (per) {
    case Basis::Spin: return "per spin";
    case Basis::Line: return "per line";
    case Basis::CherryRoll: return "per Cherry Roll";
    case Basis::CherryRollLine: return "per Cherry Roll line";
    case Basis::BarRoll: return "per Bar Roll";
    case Basis::BarRollLine: return "per Bar Roll line";
  }
  return "";
}

std::string Pad(std::string s, size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

std::string OneIn(double p) {
  if (!(p > 0)) return "never";
  return "1 in " + Format(p >= 0.1 ? "%.3g" : "%.4g", 1 / p);
}

// Label, value, a note (odds as "1 in N" and what they are counted per, or the
// volatility in bets), then the interval.
std::string Row(const Figure& f, int32_t bet, bool intervals, size_t label_width) {
  std::string value = Number(f, f.Value);
  if (!Unit(f).empty()) {
    value += ' ';
    value += Unit(f);
  }
  std::string note;
  if (f.Unit() == Measure::Probability) note = OneIn(f.Value);
  if (f.Group() == FigureGroup::AwardOdds) {
    note += ' ';
    note += PerText(f.Per());
  }
  if (f.Unit() == Measure::Credits) note = Format("%.2f", f.Value / bet) + " bets";
  std::string line = "  " + Pad(f.Label, label_width) + "  " + Pad(value, 18) + " " + Pad(note, 32);
  if (intervals) {
    if (std::isfinite(f.Low)) line += " [" + Number(f, f.Low) + ", " + Number(f, f.High) + "]";
    if (f.Events >= 0 && f.Events < kFewEvents) line += "  (" + std::to_string(f.Events) + " events: too few)";
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line + "\n";
}

std::string Member(const Figure& f, bool intervals) {
  std::string s = JsonQuote(f.Key) + ":";
  if (!intervals) return s + JsonNumber(f.Value);
  return s + "{\"value\":" + JsonNumber(f.Value) + ",\"low\":" + JsonNumber(f.Low) +
         ",\"high\":" + JsonNumber(f.High) + ",\"events\":" + std::to_string(f.Events) + "}";
}

}  // namespace

std::string Format(const char* format, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

analysis::SkillStop ParseSkillStop(const std::string& text) {
  if (text == "none") return analysis::SkillStop::None;
  if (text == "perfect") return analysis::SkillStop::Perfect;
  if (text == "human") return analysis::SkillStop::Human;
  throw UsageError("--skill-stop: '" + text + "' is not none, perfect or human");
}

const char* SkillStopName(analysis::SkillStop skill) {
  switch (skill) {
    case analysis::SkillStop::None: return "none";
    case analysis::SkillStop::Perfect: return "perfect";
    case analysis::SkillStop::Human: return "human";
  }
  return "none";
}

std::string JsonNumber(double v) {
  if (!std::isfinite(v)) return "null";
  return Format("%.10g", v);
}

std::string ReportText(const analysis::Report& r, bool intervals) {
  std::ostringstream out;
  size_t width = 0;
  for (const Figure& f : r.Figures) width = std::max(width, f.Label.size());
  auto group = [&](FigureGroup g, const char* title) {
    if (title) out << "\n" << title << "\n";
    for (const Figure& f : r.Figures)
      if (f.Group() == g) out << Row(f, r.Bet, intervals, width);
  };
  group(FigureGroup::Summary, nullptr);
  const double rtp = r.Value(analysis::FigureId::Rtp);
  if (rtp > 100)
    out << "  The player beats the house: over the long run the machine pays back "
        << Format("%.1f", rtp) << " credits for every 100 bet.\n";
  group(FigureGroup::ReturnBySource, "Return to player by source");
  group(FigureGroup::AwardOdds, "Probability of each award");
  return out.str();
}

std::string ReportJsonMembers(const analysis::Report& r, bool intervals) {
  std::string s;
  for (const Figure& f : r.Figures)
    if (f.Group() == FigureGroup::Summary) s += Member(f, intervals) + ",";
  auto object = [&](FigureGroup g, const char* name) {
    std::string o = JsonQuote(name);
    o += ":{";
    bool first = true;
    for (const Figure& f : r.Figures) {
      if (f.Group() != g) continue;
      if (!first) o += ',';
      o += Member(f, intervals);
      first = false;
    }
    return o + "}";
  };
  s += object(FigureGroup::ReturnBySource, "rtp_by_source") + ",";
  s += object(FigureGroup::AwardOdds, "award_probability");
  return s;
}

}  // namespace sim
