// Just enough JSON for the simulator's one-line answers.
#pragma once
#include <string>
#include <string_view>

namespace sim {

// The text as a JSON string, quotes included; CR and LF come out as \r and \n.
std::string JsonQuote(std::string_view text);

}  // namespace sim
