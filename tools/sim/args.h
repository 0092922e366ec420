// Reading the numbers and lists given on the command line, strictly: a value that is
// not wholly a number in its range is refused with a UsageError naming the option.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

int64_t ParseNumber(const std::string& what, const std::string& text, int64_t low, int64_t high);
// A decimal number such as 30 or -12.5.
double ParseReal(const std::string& what, const std::string& text, double low, double high);
// Whitespace-separated words.
std::vector<std::string> SplitWords(const std::string& text);

// Walks "--name value" and "--flag" options in order.
class OptionReader {
 public:
  explicit OptionReader(const std::vector<std::string>& args) : args_(args) {}
  // The next option name, or false at the end. Anything not starting with "--" is refused.
  bool Next(std::string& name);
  // The value following the option just read.
  std::string Value(const std::string& name);

 private:
  const std::vector<std::string>& args_;
  size_t at_ = 0;
};

}  // namespace sim
