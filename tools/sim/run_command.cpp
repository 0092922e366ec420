// vantello-sim run: plays regular spins with every roll they earn, from a new game,
// and reports the pay sheet's figures as measured, each with its confidence interval.
#include <chrono>
#include <iostream>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "analysis/simulator.h"
#include "tools/sim/args.h"
#include "tools/sim/commands.h"
#include "tools/sim/json.h"
#include "tools/sim/par_report.h"

namespace sim {

namespace {

constexpr int64_t kMaxThreads = 256;

struct RunOptions {
  analysis::SimOptions sim;
  bool json = false;
};

RunOptions ParseRunOptions(const std::vector<std::string>& args) {
  RunOptions run;
  analysis::SimOptions& o = run.sim;
  o.Threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  bool have_spins = false, have_seed = false;
  OptionReader reader(args);
  auto number = [&](const std::string& name, int64_t low, int64_t high) {
    return ParseNumber(name, reader.Value(name), low, high);
  };
  for (std::string name; reader.Next(name);) {
    if (name == "--spins") {
      o.Spins = number(name, 1, std::numeric_limits<int64_t>::max());
      have_spins = true;
    } else if (name == "--seed") {
      o.Seed = static_cast<uint64_t>(number(name, 0, std::numeric_limits<int64_t>::max()));
      have_seed = true;
    } else if (name == "--lines") {
      o.LinesPlayed = static_cast<int32_t>(number(name, 1, 8));
    } else if (name == "--coins") {
      o.CoinsPerLine = static_cast<int32_t>(number(name, 1, 8));
    } else if (name == "--threads") {
      o.Threads = static_cast<int>(number(name, 1, kMaxThreads));
    } else if (name == "--skill-stop") {
      o.Skill = ParseSkillStop(reader.Value(name));
    } else if (name == "--json") {
      run.json = true;
    } else if (name == "--help") {
      throw HelpWanted{};
    } else {
      throw UsageError("run: unknown option '" + name + "'");
    }
  }
  if (!have_spins) throw UsageError("run: --spins is required");
  if (o.Skill == analysis::SkillStop::Human)
    throw UsageError("run: --skill-stop human is worked out exactly by par; run plays none or perfect");
  if (!have_seed)
    o.Seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) &
             static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  return run;
}

}  // namespace

int RunCommand(const std::vector<std::string>& args) {
  const RunOptions run = ParseRunOptions(args);
  const analysis::SimOptions& o = run.sim;
  const analysis::MachineTables tables = analysis::DeriveMachineTables(o.LinesPlayed, o.CoinsPerLine);
  const analysis::SimResult result = analysis::Simulate(tables, o);
  const analysis::Report& r = result.Figures;
  const analysis::Accounts& money = result.Money;
  const double speed = result.Seconds > 0 ? static_cast<double>(result.Spins) / result.Seconds : 0;

  if (run.json) {
    std::cout << "{\"spins\":" << result.Spins << ",\"seed\":" << result.Seed << ",\"threads\":" << result.Threads
              << ",\"lines\":" << r.LinesPlayed << ",\"coins\":" << r.CoinsPerLine << ",\"bet\":" << r.Bet
              << ",\"skill_stop\":" << JsonQuote(SkillStopName(o.Skill))
              << ",\"confidence\":" << JsonNumber(o.Confidence) << ",\"cherry_rolls\":" << result.CherryRolls
              << ",\"bar_rolls\":" << result.BarRolls << ",\"largest_win\":" << result.LargestWin
              << ",\"seconds\":" << JsonNumber(result.Seconds) << ",\"spins_per_second\":" << JsonNumber(speed)
              << ",\"accounting\":{\"total_paid\":" << money.TotalPaid << ",\"credits\":" << money.Credits
              << ",\"borrowed\":" << money.Borrowed << ",\"total_bets\":" << money.TotalBets
              << ",\"balanced\":" << (result.Balanced ? "true" : "false") << "},"
              << ReportJsonMembers(r, true) << "}\n";
  } else {
    std::cout << "Vantello simulation: " << result.Spins << " regular spins with " << result.BarRolls
              << " Bar Rolls and " << result.CherryRolls << " Cherry Rolls; " << r.LinesPlayed << " lines x "
              << r.CoinsPerLine << (r.CoinsPerLine == 1 ? " coin" : " coins") << " (bet " << r.Bet << "), skill stop: " << SkillStopName(o.Skill)
              << ", Double or Nothing off\n"
              << "Seed " << result.Seed << " on " << result.Threads
              << " threads; figures with their 99% confidence intervals\n\n"
              << ReportText(r, true) << "\nLargest win of one spin with its rolls: " << result.LargestWin
              << " credits\n"
              << "Speed: " << static_cast<int64_t>(speed) << " regular spins a second (" << result.Seconds
              << " s)\n"
              << "Accounting: total paid " << money.TotalPaid << " = Credits " << money.Credits
              << " - Borrowed " << money.Borrowed << " + TotalBets " << money.TotalBets << ": "
              << (result.Balanced ? "holds" : "BROKEN") << "\n";
  }
  if (!result.Balanced) {
    std::cerr << "vantello-sim: the accounting identity does not hold\n";
    return 1;
  }
  return 0;
}

}  // namespace sim
