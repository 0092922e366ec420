// vantello-sim: the machine's rules from the command line, with no window and no sound.
#include <iostream>
#include <string>
#include <vector>

#include "tools/sim/commands.h"

namespace {

struct Subcommand {
  const char* name;
  int (*run)(const std::vector<std::string>&);
  const char* usage;
};

constexpr Subcommand kSubcommands[] = {
    {"eval", sim::EvalCommand,
     "usage: vantello-sim eval --cells \"C0 C1 C2 C3 C4 C5 C6 C7 C8\" [--mode regular|cherry|bar]\n"
     "         [--lines N] [--coins N] [--bonus-lamp] [--credits N] [--cherries N] [--bells N]\n"
     "         [--bell-pool N]\n"},
    {"par", sim::ParCommand,
     "usage: vantello-sim par [--lines N] [--coins N] [--skill-stop none|perfect] [--json]\n"
     "       vantello-sim par [--lines N] [--coins N] --skill-stop human --jitter-ms S [--bias-ms B]\n"
     "         [--json]\n"
     "       vantello-sim par [--lines N] [--coins N] --skill-stop-curve [--bias-ms B] [--json]\n"
     "         [--svg FILE]\n"},
    {"run", sim::RunCommand,
     "usage: vantello-sim run --spins N [--seed S] [--lines N] [--coins N] [--threads T]\n"
     "         [--skill-stop none|perfect] [--json]\n"},
    {"recall", sim::RecallCommand,
     "usage: vantello-sim recall [FILE] [--json] [--verify]\n"},
};

// The subcommands' usage lines under one "usage:".
std::string FullUsage() {
  std::string all;
  for (const Subcommand& c : kSubcommands) {
    std::string usage = c.usage;
    if (!all.empty()) usage.replace(0, 6, "      ");
    all += usage;
  }
  return all +
         "Each subcommand also takes --help. Options of par:\n"
         "  --skill-stop none     every spin runs out; perfect: stopped while all six chaser lamps are lit\n"
         "  --skill-stop human    a person aiming at an all-lit step, pressing with a normal timing\n"
         "                        error of standard deviation S ms (--jitter-ms) and mean B ms\n"
         "                        (--bias-ms, default 0; negative is early)\n"
         "  --skill-stop-curve    the return against S from 0 to 150 ms; --svg FILE also draws it\n"
         "Options of recall (FILE: the player's Vantello-recall.ini unless given):\n"
         "  --json                the games as JSON, oldest first\n"
         "  --verify              draws each game's wheels again from its seed; exit 1 if any differ\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << FullUsage();
    return 0;
  }
  const Subcommand* command = nullptr;
  try {
    if (args.empty()) throw sim::UsageError("no subcommand given (try: vantello-sim --help)");
    for (const Subcommand& c : kSubcommands)
      if (args[0] == c.name) command = &c;
    if (!command) throw sim::UsageError("unknown subcommand '" + args[0] + "'");
    args.erase(args.begin());
    return command->run(args);
  } catch (const sim::HelpWanted&) {
    std::cout << command->usage;
    return 0;
  } catch (const sim::UsageError& e) {
    std::cerr << "vantello-sim: " << e.what() << '\n';
    return 2;
  }
}
