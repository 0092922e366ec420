// vantello-sim par: the machine's exact long-run figures for one bet and one way of
// using the skill stop, worked out from the game's rules rather than sampled.
#include <iostream>
#include <string>
#include <vector>

#include "analysis/par_sheet.h"
#include "tools/sim/args.h"
#include "tools/sim/commands.h"
#include "tools/sim/json.h"
#include "tools/sim/par_report.h"

namespace sim {

namespace {

struct ParOptions {
  int32_t lines = 8;
  int32_t coins = 1;
  analysis::SkillStop skill = analysis::SkillStop::None;
  bool json = false;
};

ParOptions ParseParOptions(const std::vector<std::string>& args) {
  ParOptions o;
  OptionReader reader(args);
  for (std::string name; reader.Next(name);) {
    if (name == "--lines") o.lines = static_cast<int32_t>(ParseNumber(name, reader.Value(name), 1, 8));
    else if (name == "--coins") o.coins = static_cast<int32_t>(ParseNumber(name, reader.Value(name), 1, 8));
    else if (name == "--skill-stop") o.skill = ParseSkillStop(reader.Value(name));
    else if (name == "--json") o.json = true;
    else throw UsageError("par: unknown option '" + name + "'");
  }
  return o;
}

}  // namespace

int ParCommand(const std::vector<std::string>& args) {
  const ParOptions o = ParseParOptions(args);
  const analysis::MachineTables tables = analysis::DeriveMachineTables(o.lines, o.coins);
  const analysis::ParSheet sheet = analysis::ComputeParSheet(tables, o.skill);
  const analysis::Report& r = sheet.Figures;
  const bool beaten = r.Value(analysis::FigureId::Rtp) > 100;
  if (o.json) {
    std::cout << "{\"lines\":" << r.LinesPlayed << ",\"coins\":" << r.CoinsPerLine << ",\"bet\":" << r.Bet
              << ",\"skill_stop\":" << JsonQuote(SkillStopName(o.skill))
              << ",\"player_beats_house\":" << (beaten ? "true" : "false") << ","
              << ReportJsonMembers(r, false) << "}\n";
    return 0;
  }
  std::cout << "Vantello pay sheet, exact: " << r.LinesPlayed << " lines x " << r.CoinsPerLine
            << (r.CoinsPerLine == 1 ? " coin" : " coins") << " (bet " << r.Bet << " credits), skill stop: " << SkillStopName(o.skill)
            << ", Double or Nothing off\n\n"
            << ReportText(r, false);
  return 0;
}

}  // namespace sim
