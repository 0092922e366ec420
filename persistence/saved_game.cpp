#include "persistence/saved_game.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <utility>
#include <vector>

#include "platform/user_folders.h"
#include "platform/user_locale.h"
#include "platform/words.h"

namespace persistence {
namespace {

using rules::GameState;
namespace fs = std::filesystem;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// The numeric keys in the order they stand in a section, with the value a missing or
// broken key reads as and the range a value must lie in to be believed.
struct CounterKey {
  const char* key;
  int32_t GameState::*field;
  int32_t fallback;
  int32_t low;
  int32_t high;
};

constexpr CounterKey kCounters[] = {
    {"Credits", &GameState::Credits, rules::kNewGameCredits, 0, kMax},
    {"Borrowed", &GameState::Borrowed, rules::kNewGameCredits, 0, kMax},
    {"Cherries", &GameState::Cherries, rules::kCherriesFull, 1, rules::kCherriesFull},
    {"Bells", &GameState::Bells, rules::kBellsFull, 1, rules::kBellsFull},
    // A section without a Bell Pool starts with an empty one, unlike a new game.
    {"BellPool", &GameState::BellPool, 0, 0, kMax},
    {"Spins", &GameState::Spins, 0, 0, kMax},
    {"LinesPlayed", &GameState::LinesPlayed, rules::kMaxLines, 0, rules::kMaxLines},
    {"CoinsPerLine", &GameState::CoinsPerLine, rules::kNewGameCoinsPerLine, 0, rules::kMaxCoinsPerLine},
    // Won amounts stay signed: Double or Nothing, above all, can lose more than it wins.
    {"BellPoolWon", &GameState::BellPoolWon, 0, kMin, kMax},
    {"CherryRollsWon", &GameState::CherryRollsWon, 0, kMin, kMax},
    {"DoubleOrNothingWon", &GameState::DoubleOrNothingWon, 0, kMin, kMax},
    {"BarRollWon", &GameState::BarRollsWon, 0, kMin, kMax},
    {"NumberOfCherryRolls", &GameState::NumberOfCherryRolls, 0, 0, kMax},
    {"NumberOfBarRolls", &GameState::NumberOfBarRolls, 0, 0, kMax},
    {"GotBonusCount", &GameState::SkillStopWins, 0, 0, kMax},
    {"SevensWon", &GameState::SevensWon, 0, kMin, kMax},
    {"FruitWon", &GameState::FruitWon, 0, kMin, kMax},
    {"TotalBets", &GameState::TotalBets, 0, 0, kMax},
};

struct SwitchKey {
  const char* key;
  bool GameState::*field;
};

constexpr SwitchKey kSwitches[] = {
    {"Sound", &GameState::Sound},
    {"Double", &GameState::DoubleOrNothingOn},
    {"PayMode", &GameState::CountOffWins},
    {"AutoSave", &GameState::AutoSave},
};

// Byte counts, as names and dates were always kept.
constexpr size_t kNameBytes = 30;
constexpr size_t kDateBytes = 10;

int DigitValue(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The value of a numeric key, or its fallback when it is missing, broken or out of range.
int32_t IntegerOr(const std::optional<std::string>& value, int32_t fallback, int32_t low,
                  int32_t high) {
  if (!value) return fallback;
  auto number = ParseSavedInteger(*value);
  if (!number || *number < low || *number > high) return fallback;
  return *number;
}

// A line break in a name would end its line and start keys or sections of its own.
std::string WithoutControls(const std::string& name) {
  std::string clean;
  for (char c : name)
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) clean += c;
  return clean;
}

}  // namespace

std::string SectionName(int slot) {
  if (slot >= 0 && slot < kSlotCount) return "GameNo" + std::to_string(slot + 1);
  if (slot == kCurrentGameSlot) return "CurrentGame";
  return {};
}

std::string SavedGamePath() {
  const std::string data = platform::XdgFolder("XDG_DATA_HOME", ".local/share");
  if (data.empty()) return "";
  fs::path folder = fs::path(data) / "vantello";
  std::error_code ec;
  fs::create_directories(folder, ec);  // a folder that cannot be made shows when saving
  return (folder / "Vantello.ini").string();
}

std::optional<int32_t> ParseSavedInteger(std::string_view text) {
  int base = 10;
  bool negative = false;
  if (text.starts_with('$')) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X"))) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.starts_with('+') || text.starts_with('-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const int64_t limit = negative ? -int64_t{kMin} : int64_t{kMax};
  int64_t value = 0;
  for (char c : text) {
    int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

char DateSeparatorOf(std::string_view format) {
  size_t i = format.find('%');
  if (i == std::string_view::npos) return '/';
  ++i;
  while (i < format.size() && std::string_view("-_0^#EO").find(format[i]) != std::string_view::npos) ++i;
  if (i >= format.size()) return '/';
  if (format[i] == 'F') return '-';  // %F is %Y-%m-%d
  if (format[i] == 'D' || i + 1 >= format.size()) return '/';
  unsigned char next = static_cast<unsigned char>(format[i + 1]);
  // One plain character between the first two fields, or the usual slash.
  bool plain = next == ' ' || (next < 0x80 && std::ispunct(next) && next != '%');
  return plain ? static_cast<char>(next) : '/';
}

std::string FormatGameDate(int year, int month, int day, std::string_view date_format) {
  // The fields in the order the format names them: %D is %m/%d/%y, %F is %Y-%m-%d.
  std::string order;
  for (size_t i = 0; i < date_format.size(); ++i) {
    if (date_format[i] != '%') continue;
    ++i;
    while (i < date_format.size() && std::string_view("-_0^#EO").find(date_format[i]) != std::string_view::npos) ++i;
    if (i >= date_format.size()) break;
    const char c = date_format[i];
    if (c == 'D') order += "mdy";
    else if (c == 'F') order += "Ymd";
    else if (c == 'e') order += 'd';
    else if (c == 'd' || c == 'm' || c == 'y' || c == 'Y') order += c;
  }
  // A day, a month and a year, once each; anything else is written month first with
  // slashes, as a locale that cannot be read is.
  auto count = [&](const char* of) { return std::count_if(order.begin(), order.end(), [&](char c) { return std::strchr(of, c); }); };
  const bool readable = order.size() == 3 && count("d") == 1 && count("m") == 1 && count("yY") == 1;
  if (!readable) order = "mdy";
  const char separator = readable ? DateSeparatorOf(date_format) : '/';
  std::string text;
  for (char field : order) {
    if (!text.empty()) text += separator;
    char part[8];
    if (field == 'd') std::snprintf(part, sizeof part, "%02d", day % 100);
    else if (field == 'm') std::snprintf(part, sizeof part, "%02d", month % 100);
    else if (field == 'y') std::snprintf(part, sizeof part, "%02d", ((year % 100) + 100) % 100);
    else std::snprintf(part, sizeof part, "%04d", ((year % 10000) + 10000) % 10000);
    text += part;
  }
  return text;
}

std::string TodayDate() {
  platform::CalendarDate today = platform::LocalToday();
  // A locale that cannot be read gives no format, and no format means month/day/year.
  return FormatGameDate(today.year, today.month, today.day, platform::UserDateFormat());
}

bool SameSavedFields(const GameState& a, const GameState& b) {
  if (a.GameName != b.GameName || a.GameDate != b.GameDate) return false;
  for (const CounterKey& k : kCounters)
    if (a.*k.field != b.*k.field) return false;
  for (const SwitchKey& s : kSwitches)
    if (a.*s.field != b.*s.field) return false;
  return true;
}

void CopySavedFields(const GameState& from, GameState& to) {
  to.GameName = from.GameName;
  to.GameDate = from.GameDate;
  for (const CounterKey& k : kCounters) to.*k.field = from.*k.field;
  for (const SwitchKey& s : kSwitches) to.*s.field = from.*s.field;
}

std::string SavedFieldsText(const GameState& g) {
  std::string text = g.GameName + " " + g.GameDate;
  for (const CounterKey& k : kCounters) text.append(" ").append(k.key).append("=").append(std::to_string(g.*k.field));
  for (const SwitchKey& s : kSwitches) text.append(" ").append(s.key).append(g.*s.field ? "=1" : "=0");
  return text;
}

bool SavedCountersInRange(const GameState& g) {
  for (const CounterKey& k : kCounters)
    if (g.*k.field < k.low || g.*k.field > k.high) return false;
  return true;
}

std::vector<std::pair<std::string, std::string>> GameSectionKeys(const GameState& g,
                                                                 const std::string& name,
                                                                 const std::string& today) {
  std::vector<std::pair<std::string, std::string>> keys;
  keys.emplace_back("GameName", WithoutControls(name));
  keys.emplace_back("GameDate", today);
  for (const CounterKey& k : kCounters) keys.emplace_back(k.key, std::to_string(g.*k.field));
  for (const SwitchKey& s : kSwitches) keys.emplace_back(s.key, g.*s.field ? "1" : "0");
  return keys;
}

bool SaveGameSection(const GameState& g, platform::ProfileFile& file, int slot,
                     const std::string& name, platform::MessageBoxes* boxes,
                     const std::string& today) {
  const std::string section = SectionName(slot);
  if (!section.empty() && file.WriteSection(section, GameSectionKeys(g, name, today))) return true;
  // TRANSLATORS: %1 is the path of the saved games' file.
  if (boxes) boxes->Error(platform::FillIn(_("Unable to write to %1"), {file.Path()}));
  return false;
}

void LoadGameSection(GameState& g, const platform::ProfileText& text, int slot,
                     const std::string& today) {
  const std::string section = SectionName(slot);
  if (section.empty()) return;
  std::vector<std::string_view> names = {"GameName", "GameDate"};
  for (const CounterKey& k : kCounters) names.push_back(k.key);
  for (const SwitchKey& s : kSwitches) names.push_back(s.key);
  const auto values = text.Read(section, names);

  // A file edited by hand may hold controls a saved game never does; they would show.
  g.GameName = platform::CutToBytes(WithoutControls(values[0].value_or(section)), kNameBytes);
  g.GameDate = platform::CutToBytes(WithoutControls(values[1].value_or(today)), kDateBytes);
  size_t i = 2;
  for (const CounterKey& k : kCounters) g.*k.field = IntegerOr(values[i++], k.fallback, k.low, k.high);
  for (const SwitchKey& s : kSwitches) g.*s.field = IntegerOr(values[i++], 1, kMin, kMax) != 0;
}

void LoadGameSection(GameState& g, const platform::ProfileFile& file, int slot,
                     const std::string& today) {
  LoadGameSection(g, file.Read(), slot, today);
}

}  // namespace persistence
