#include "dialogs/locale_numbers.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "platform/user_locale.h"

namespace dialogs {
namespace {

// Characters, not bytes: a separator may take several bytes in UTF-8.
size_t Characters(std::string_view text) {
  size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

std::string PadLeft(std::string text, int width) {
  size_t chars = Characters(text);
  if (width > 0 && chars < static_cast<size_t>(width)) text.insert(0, width - chars, ' ');
  return text;
}

}  // namespace

NumberSeparators UserSeparators() {
  NumberSeparators s;
  platform::NumericSeparators user = platform::UserNumericSeparators();
  if (!user.decimal.empty()) s.decimal = user.decimal;
  if (!user.thousands.empty()) s.thousands = user.thousands;
  return s;
}

std::string FormatFixed(double value, int width, int decimals, const NumberSeparators& s) {
  if (!std::isfinite(value)) value = 0;
  // to_chars ignores the program's locale, so the only point in the text is ours to replace.
  char buffer[400];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                    decimals);
  std::string text = error == std::errc() ? std::string(buffer, end) : "0";
  if (size_t point = text.find('.'); point != std::string::npos) text.replace(point, 1, s.decimal);
  return PadLeft(std::move(text), width);
}

std::string FormatCount(int64_t value, int width, const NumberSeparators& s) {
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  std::string text = value < 0 ? "-" : "";
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += s.thousands;
    text += digits[i];
  }
  return PadLeft(std::move(text), width);
}

}  // namespace dialogs
