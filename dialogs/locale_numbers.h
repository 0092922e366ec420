// Numbers as the player's locale writes them in the dialogs: its decimal separator and
// its thousands separator, with the blank padding of a fixed field width.
#pragma once
#include <cstdint>
#include <string>

namespace dialogs {

struct NumberSeparators {
  std::string decimal = ".";
  std::string thousands = ",";
};

// The separators of the user's locale (from the environment), read without changing
// the program's own locale. A locale without a thousands separator, like "C", groups
// by "," as the common locale does.
NumberSeparators UserSeparators();

// The value with `decimals` decimals, padded on the left with blanks to at least
// `width` characters, like "%7.2f".
std::string FormatFixed(double value, int width, int decimals, const NumberSeparators& s);

// A whole count with its thousands grouped, padded on the left with blanks to at least
// `width` characters; negative counts keep a leading minus.
std::string FormatCount(int64_t value, int width, const NumberSeparators& s);

}  // namespace dialogs
