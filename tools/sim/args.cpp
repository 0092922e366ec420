#include "tools/sim/args.h"

#include <charconv>
#include <sstream>

#include "tools/sim/commands.h"

namespace sim {

int64_t ParseNumber(const std::string& what, const std::string& text, int64_t low, int64_t high) {
  int64_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec == std::errc::invalid_argument || ptr != end)
    throw UsageError(what + ": '" + text + "' is not a whole number");
  if (ec == std::errc::result_out_of_range || value < low || value > high)
    throw UsageError(what + ": " + text + " is outside " + std::to_string(low) + ".." +
                     std::to_string(high));
  return value;
}

double ParseReal(const std::string& what, const std::string& text, double low, double high) {
  double value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (text.empty() || ec == std::errc::invalid_argument || ptr != end)
    throw UsageError(what + ": '" + text + "' is not a number");
  if (ec == std::errc::result_out_of_range || !(value >= low && value <= high))
    throw UsageError(what + ": " + text + " is outside " + std::to_string(static_cast<int64_t>(low)) + ".." +
                     std::to_string(static_cast<int64_t>(high)));
  return value;
}

std::vector<std::string> SplitWords(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool OptionReader::Next(std::string& name) {
  if (at_ >= args_.size()) return false;
  name = args_[at_++];
  if (name.rfind("--", 0) != 0) throw UsageError("unexpected argument '" + name + "'");
  return true;
}

std::string OptionReader::Value(const std::string& name) {
  if (at_ >= args_.size()) throw UsageError(name + " needs a value");
  return args_[at_++];
}

}  // namespace sim
