#include "tools/sim/skill_curve.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "analysis/skill_model.h"
#include "tools/sim/commands.h"
#include "tools/sim/par_report.h"

namespace sim {

namespace {

constexpr double kLastJitterMs = 150;
constexpr double kTableStepMs = 5;

SkillCurvePoint PointAt(const analysis::LampReturnLine& line, double jitter, double bias) {
  const double p = analysis::HumanLampChance({jitter, bias});
  return {jitter, p, line.At(p)};
}

std::string PointJson(const SkillCurvePoint& p, bool with_jitter) {
  std::string s = "{";
  if (with_jitter) s += "\"jitter_ms\":" + JsonNumber(p.JitterMs) + ",";
  return s + "\"bonus_lamp\":" + JsonNumber(p.LampChance) + ",\"rtp\":" + JsonNumber(p.Rtp) + "}";
}

// A step of 1, 2 or 5 times a power of ten giving about `count` intervals.
double NiceStep(double span, int count) {
  const double raw = span / count, power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * power >= raw) return m * power;
  return 10 * power;
}

}  // namespace

SkillCurve WorkOutSkillCurve(const analysis::MachineTables& t, double bias_ms) {
  SkillCurve c;
  c.Lines = t.LinesPlayed;
  c.Coins = t.CoinsPerLine;
  c.Bet = t.Bet;
  c.BiasMs = bias_ms;
  c.Line = analysis::ReturnAgainstLampChance(t);
  const double none = analysis::BonusLampProbability(analysis::BonusLampTable(analysis::SkillStop::None));
  const double perfect = analysis::BonusLampProbability(analysis::BonusLampTable(analysis::SkillStop::Perfect));
  c.NoStop = {0, none, c.Line.At(none)};
  c.Perfect = {0, perfect, c.Line.At(perfect)};
  for (int ms = 0; ms <= kLastJitterMs; ++ms) {
    c.Picture.push_back(PointAt(c.Line, ms, bias_ms));
    if (std::fmod(ms, kTableStepMs) == 0) c.Table.push_back(c.Picture.back());
  }
  return c;
}

std::string LampLineJson(const analysis::LampReturnLine& line) {
  return "{\"base\":" + JsonNumber(line.Base) + ",\"per_lamp\":" + JsonNumber(line.PerLamp) +
         ",\"per_regular_lamp\":" + JsonNumber(line.PerRegularLamp) +
         ",\"per_roll_lamp\":" + JsonNumber(line.PerRollLamp) + "}";
}

std::string LampLineText(const analysis::LampReturnLine& line) {
  return "Return = " + Format("%.3f%%", line.Base) + " + " + Format("%.3f%%", line.PerLamp) + " x bonus-lamp chance";
}

std::string SkillCurveText(const SkillCurve& c) {
  std::ostringstream out;
  out << "Vantello skill stop curve, exact: " << c.Lines << " lines x " << c.Coins << (c.Coins == 1 ? " coin" : " coins")
      << " (bet " << c.Bet << " credits), timing bias " << Format("%g", c.BiasMs) << " ms, Double or Nothing off\n"
      << "A player aiming at the middle of an all-lit step of the chaser, with a normal timing error.\n"
      << LampLineText(c.Line) << "\n"
      << "No skill stop: " << Format("%.3f%%", c.NoStop.Rtp) << " (bonus lamp " << Format("%.6f", c.NoStop.LampChance)
      << "); perfect stop: " << Format("%.3f%%", c.Perfect.Rtp) << " (bonus lamp "
      << Format("%.6f", c.Perfect.LampChance) << ")\n\n"
      << "  Jitter (ms)  Bonus lamp  Return to player\n";
  for (const SkillCurvePoint& p : c.Table)
    out << Format("%13g", p.JitterMs) << Format("%12.6f", p.LampChance) << Format("%16.3f", p.Rtp) << " % of bet\n";
  return out.str();
}

std::string SkillCurveJson(const SkillCurve& c) {
  std::string s = "{\"lines\":" + std::to_string(c.Lines) + ",\"coins\":" + std::to_string(c.Coins) +
                  ",\"bet\":" + std::to_string(c.Bet) + ",\"bias_ms\":" + JsonNumber(c.BiasMs) +
                  ",\"lamp_return_line\":" + LampLineJson(c.Line) + ",\"no_stop\":" + PointJson(c.NoStop, false) +
                  ",\"perfect_stop\":" + PointJson(c.Perfect, false) + ",\"curve\":[";
  for (size_t i = 0; i < c.Table.size(); ++i) {
    if (i > 0) s += ',';
    s += PointJson(c.Table[i], true);
  }
  return s + "]}\n";
}

void WriteSkillCurveSvg(const SkillCurve& c, const std::string& path) {
  constexpr double kWidth = 720, kHeight = 450, kLeft = 80, kRight = 30, kTop = 50, kBottom = 60;
  const double plot_w = kWidth - kLeft - kRight, plot_h = kHeight - kTop - kBottom;
  double low = c.NoStop.Rtp, high = c.Perfect.Rtp;
  for (const SkillCurvePoint& p : c.Picture) low = std::min(low, p.Rtp), high = std::max(high, p.Rtp);
  const double step = NiceStep(high - low, 6);
  low = std::floor(low / step) * step;
  high = std::ceil(high / step) * step;
  if (high - low < step) high = low + step;
  auto x = [&](double ms) { return kLeft + ms / kLastJitterMs * plot_w; };
  auto y = [&](double rtp) { return kTop + (high - rtp) / (high - low) * plot_h; };

  std::ostringstream s;
  s << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kWidth << "\" height=\"" << kHeight
    << "\" viewBox=\"0 0 " << kWidth << " " << kHeight << "\" font-family=\"sans-serif\" font-size=\"13\">\n"
    << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
    << "<text x=\"" << kWidth / 2 << "\" y=\"24\" text-anchor=\"middle\" font-size=\"15\">Return to player against "
    << "timing error at the skill stop (" << c.Lines << " lines x " << c.Coins << (c.Coins == 1 ? " coin" : " coins")
    << ", bias " << Format("%g", c.BiasMs) << " ms)</text>\n";
  // Grid and tick labels.
  for (double v = low; v <= high + step / 2; v += step)
    s << "<line x1=\"" << kLeft << "\" x2=\"" << kLeft + plot_w << "\" y1=\"" << y(v) << "\" y2=\"" << y(v)
      << "\" stroke=\"#e4e4e4\"/>\n<text x=\"" << kLeft - 8 << "\" y=\"" << y(v) + 4
      << "\" text-anchor=\"end\">" << Format("%g", v) << "%</text>\n";
  for (int ms = 0; ms <= kLastJitterMs; ms += 25)
    s << "<line x1=\"" << x(ms) << "\" x2=\"" << x(ms) << "\" y1=\"" << kTop + plot_h << "\" y2=\"" << kTop + plot_h + 5
      << "\" stroke=\"black\"/>\n<text x=\"" << x(ms) << "\" y=\"" << kTop + plot_h + 20
      << "\" text-anchor=\"middle\">" << ms << "</text>\n";
  s << "<polyline fill=\"none\" stroke=\"black\" points=\"" << kLeft << "," << kTop << " " << kLeft << ","
    << kTop + plot_h << " " << kLeft + plot_w << "," << kTop + plot_h << "\"/>\n"
    << "<text x=\"" << kLeft + plot_w / 2 << "\" y=\"" << kHeight - 14
    << "\" text-anchor=\"middle\">Timing error: standard deviation of the press (ms)</text>\n"
    << "<text transform=\"translate(20 " << kTop + plot_h / 2
    << ") rotate(-90)\" text-anchor=\"middle\">Return to player (% of bet)</text>\n";
  // The two limits.
  // The upper limit's label sits above its line, the lower's below, clear of the curve.
  auto limit = [&](const SkillCurvePoint& p, const char* label, const char* colour, double label_dy) {
    s << "<line x1=\"" << kLeft << "\" x2=\"" << kLeft + plot_w << "\" y1=\"" << y(p.Rtp) << "\" y2=\"" << y(p.Rtp)
      << "\" stroke=\"" << colour << "\" stroke-dasharray=\"6 4\"/>\n<text x=\"" << kLeft + plot_w - 4 << "\" y=\""
      << y(p.Rtp) + label_dy << "\" text-anchor=\"end\" fill=\"" << colour << "\">" << label << ": "
      << Format("%.1f", p.Rtp) << "%</text>\n";
  };
  limit(c.Perfect, "perfect stop", "#1a7f37", -6);
  limit(c.NoStop, "no skill stop", "#b42318", 16);
  s << "<polyline fill=\"none\" stroke=\"#1f4fbf\" stroke-width=\"2\" points=\"";
  for (const SkillCurvePoint& p : c.Picture) s << Format("%.1f", x(p.JitterMs)) << "," << Format("%.1f", y(p.Rtp)) << " ";
  s << "\"/>\n</svg>\n";

  std::ofstream file(path, std::ios::binary);
  file << s.str();
  if (!file.flush()) throw UsageError("--svg: cannot write '" + path + "'");
}

}  // namespace sim
