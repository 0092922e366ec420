// The saved games: one section of Vantello.ini per game, 24 keys each. The player's
// save slots come first ("GameNo1", "GameNo2", ...), then "CurrentGame", the game the
// next start carries on with.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rules/game_state.h"
#include "platform/profile_file.h"
#include "platform/services.h"

namespace persistence {

// The player's named save slots; the game in play is kept right after them.
constexpr int kSlotCount = 8;
// A saved game's name: as many characters as its slot shows.
constexpr int kGameNameChars = 30;
constexpr int kCurrentGameSlot = kSlotCount;

// "GameNo1", "GameNo2", ... for the save slots, "CurrentGame" for the current game's
// slot, "" for anything else.
std::string SectionName(int slot);

// Where the saved games live: $XDG_DATA_HOME/vantello/Vantello.ini, or under
// ~/.local/share when XDG_DATA_HOME is not an absolute path. Creates the folder. "" when
// the user has no home folder and no private folder of the game's could be had.
std::string SavedGamePath();

// A saved integer: decimal with an optional sign, or hexadecimal after "$" or "0x".
// Nothing when the text is anything else or lies outside the signed 32-bit range.
std::optional<int32_t> ParseSavedInteger(std::string_view text);

// The date separator of a strftime date format such as "%m/%d/%y"; '/' when none shows.
char DateSeparatorOf(std::string_view date_format);
// A date as a strftime date format (the locale's D_FMT) orders it: day, month and year
// in its order, its separator between them, two digits each and the year in two or four
// as the format has it, so at most 10 characters; month/day/year with slashes where the
// format names no such three fields.
std::string FormatGameDate(int year, int month, int day, std::string_view date_format);
// Today, as the user's locale writes a date.
std::string TodayDate();

// The 24 saved fields of a game: its name and date, 18 counters and 4 switches. The
// slot dialog, the tests and the fuzz target copy, compare and check them through these.
bool SameSavedFields(const rules::GameState& a, const rules::GameState& b);
void CopySavedFields(const rules::GameState& from, rules::GameState& to);
// Every saved field on one line, to show which differ.
std::string SavedFieldsText(const rules::GameState& g);
// Whether every counter lies in the range a loaded value must lie in to be believed.
bool SavedCountersInRange(const rules::GameState& g);

// The 24 keys of a section with their texts, in the order they stand in the file.
std::vector<std::pair<std::string, std::string>> GameSectionKeys(const rules::GameState& g,
                                                                 const std::string& name,
                                                                 const std::string& today);

// Writes the whole game into the slot's section as one replacement of the file. On
// failure shows "Unable to write to <path>" (when boxes is given) and returns false;
// the file then stays as it was.
bool SaveGameSection(const rules::GameState& g, platform::ProfileFile& file, int slot,
                     const std::string& name, platform::MessageBoxes* boxes,
                     const std::string& today = TodayDate());

// Overwrites every saved field of the live game from the slot's section; missing keys,
// values that do not parse and values out of range take their defaults. Wheels, earned
// rolls, AutoSpin and the last spin's result stay as they are.
void LoadGameSection(rules::GameState& g, const platform::ProfileFile& file, int slot,
                     const std::string& today = TodayDate());
void LoadGameSection(rules::GameState& g, const platform::ProfileText& text, int slot,
                     const std::string& today);

}  // namespace persistence
