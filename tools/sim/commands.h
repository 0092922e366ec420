// The subcommands of vantello-sim. Each takes the arguments after its own name, writes
// its answer to standard output and returns the exit code; bad arguments throw
// UsageError, which main reports with exit code 2.
#pragma once
#include <stdexcept>
#include <string>
#include <vector>

namespace sim {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Thrown by a subcommand given --help: main prints that subcommand's usage and exits 0.
struct HelpWanted {};

int EvalCommand(const std::vector<std::string>& args);
int ParCommand(const std::vector<std::string>& args);
int RunCommand(const std::vector<std::string>& args);
int RecallCommand(const std::vector<std::string>& args);

}  // namespace sim
