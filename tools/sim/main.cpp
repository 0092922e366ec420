// vantello-sim: the machine's rules from the command line, with no window and no sound.
#include <iostream>
#include <string>
#include <vector>

#include "tools/sim/commands.h"

namespace {

constexpr const char* kUsage =
    "usage: vantello-sim eval --cells \"C0 C1 C2 C3 C4 C5 C6 C7 C8\" [--mode regular|cherry|bar]\n"
    "         [--lines N] [--coins N] [--bonus-lamp] [--credits N] [--cherries N] [--bells N]\n"
    "         [--bell-pool N]\n"
    "       vantello-sim par [--lines N] [--coins N] [--skill-stop none|perfect] [--json]\n"
    "       vantello-sim run --spins N [--seed S] [--lines N] [--coins N] [--threads T]\n"
    "         [--skill-stop none|perfect] [--json]\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  // --help anywhere, before or after the subcommand, asks for the usage.
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
  }
  try {
    if (args.empty()) throw sim::UsageError("no subcommand given (try: vantello-sim eval --cells ...)");
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "eval") return sim::EvalCommand(args);
    if (command == "par") return sim::ParCommand(args);
    if (command == "run") return sim::RunCommand(args);
    throw sim::UsageError("unknown subcommand '" + command + "'");
  } catch (const sim::UsageError& e) {
    std::cerr << "vantello-sim: " << e.what() << '\n';
    return 2;
  }
}
