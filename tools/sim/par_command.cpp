// vantello-sim par: the machine's exact long-run figures for one bet and one way of
// using the skill stop, worked out from the game's rules rather than sampled; or, with
// --skill-stop-curve, the return against a person's timing error at the stop.
#include <iostream>
#include <string>
#include <vector>

#include "analysis/par_sheet.h"
#include "analysis/skill_model.h"
#include "tools/sim/args.h"
#include "tools/sim/commands.h"
#include "tools/sim/json.h"
#include "tools/sim/par_report.h"
#include "tools/sim/skill_curve.h"

namespace sim {

namespace {

// Timing errors beyond these say nothing more: past a few seconds the press misses the
// spin altogether.
constexpr double kMaxJitterMs = 100000;
constexpr double kMaxBiasMs = 100000;

struct ParOptions {
  int32_t lines = 8;
  int32_t coins = 1;
  analysis::SkillStop skill = analysis::SkillStop::None;
  analysis::PressTiming timing;
  bool have_jitter = false, have_bias = false;
  bool curve = false;
  std::string svg;
  bool json = false;
};

ParOptions ParseParOptions(const std::vector<std::string>& args) {
  ParOptions o;
  bool have_skill = false;
  OptionReader reader(args);
  for (std::string name; reader.Next(name);) {
    if (name == "--lines") o.lines = static_cast<int32_t>(ParseNumber(name, reader.Value(name), 1, 8));
    else if (name == "--coins") o.coins = static_cast<int32_t>(ParseNumber(name, reader.Value(name), 1, 8));
    else if (name == "--skill-stop") o.skill = ParseSkillStop(reader.Value(name)), have_skill = true;
    else if (name == "--jitter-ms") o.timing.JitterMs = ParseReal(name, reader.Value(name), 0, kMaxJitterMs), o.have_jitter = true;
    else if (name == "--bias-ms") o.timing.BiasMs = ParseReal(name, reader.Value(name), -kMaxBiasMs, kMaxBiasMs), o.have_bias = true;
    else if (name == "--skill-stop-curve") o.curve = true;
    else if (name == "--svg") o.svg = reader.Value(name);
    else if (name == "--json") o.json = true;
    else if (name == "--help") throw HelpWanted{};
    else throw UsageError("par: unknown option '" + name + "'");
  }
  const bool human = o.skill == analysis::SkillStop::Human;
  if (o.curve && (have_skill || o.have_jitter))
    throw UsageError("par: --skill-stop-curve runs over the timing error itself; drop --skill-stop and --jitter-ms");
  if (!o.curve && !o.svg.empty()) throw UsageError("par: --svg draws the --skill-stop-curve");
  if (!o.curve && human && !o.have_jitter) throw UsageError("par: --skill-stop human needs --jitter-ms");
  if (!o.curve && !human && (o.have_jitter || o.have_bias))
    throw UsageError("par: --jitter-ms and --bias-ms go with --skill-stop human");
  return o;
}

// The straight line of the return in the chance of the bonus lamp, as the sheet prints it.
std::string LineText(const analysis::LampReturnLine& line) {
  return "  " + LampLineText(line) + "\n  (the lamp on regular spins " + Format("%.3f%%", line.PerRegularLamp) +
         ", on rolls " + Format("%.3f%%", line.PerRollLamp) + "; rolls run the same chaser, so one chance serves both)\n";
}

int PrintSheet(const ParOptions& o) {
  const analysis::MachineTables tables = analysis::DeriveMachineTables(o.lines, o.coins);
  const bool human = o.skill == analysis::SkillStop::Human;
  const analysis::ParSheet sheet = human ? analysis::ComputeParSheet(tables, analysis::HumanLampChance(o.timing))
                                         : analysis::ComputeParSheet(tables, o.skill);
  const analysis::Report& r = sheet.Figures;
  const bool beaten = r.Value(analysis::FigureId::Rtp) > 100;
  const analysis::LampReturnLine& line = sheet.LampLine;
  if (o.json) {
    std::cout << "{\"lines\":" << r.LinesPlayed << ",\"coins\":" << r.CoinsPerLine << ",\"bet\":" << r.Bet
              << ",\"skill_stop\":" << JsonQuote(SkillStopName(o.skill));
    if (human)
      std::cout << ",\"jitter_ms\":" << JsonNumber(o.timing.JitterMs) << ",\"bias_ms\":" << JsonNumber(o.timing.BiasMs)
                << ",\"lamp_return_line\":" << LampLineJson(line);
    std::cout << ",\"player_beats_house\":" << (beaten ? "true" : "false") << "," << ReportJsonMembers(r, false)
              << "}\n";
    return 0;
  }
  std::cout << "Vantello pay sheet, exact: " << r.LinesPlayed << " lines x " << r.CoinsPerLine
            << (r.CoinsPerLine == 1 ? " coin" : " coins") << " (bet " << r.Bet << " credits), skill stop: " << SkillStopName(o.skill);
  if (human)
    std::cout << " (timing error " << Format("%g", o.timing.JitterMs) << " ms standard deviation, " << Format("%g", o.timing.BiasMs)
              << " ms bias)";
  std::cout << ", Double or Nothing off\n\n" << ReportText(r, false);
  if (human) std::cout << "\nReturn against the chance of the bonus lamp\n" << LineText(line);
  return 0;
}

int PrintCurve(const ParOptions& o) {
  const analysis::MachineTables tables = analysis::DeriveMachineTables(o.lines, o.coins);
  const SkillCurve curve = WorkOutSkillCurve(tables, o.timing.BiasMs);
  if (!o.svg.empty()) WriteSkillCurveSvg(curve, o.svg);
  std::cout << (o.json ? SkillCurveJson(curve) : SkillCurveText(curve));
  return 0;
}

}  // namespace

int ParCommand(const std::vector<std::string>& args) {
  const ParOptions o = ParseParOptions(args);
  return o.curve ? PrintCurve(o) : PrintSheet(o);
}

}  // namespace sim
