// The player's words in the player's language. Every text the player sees is written in
// English where it is used and looked up in the game's catalogue (gettext) where it is
// shown: _("Stats"). A text the catalogue lacks, or a player without a catalogue, gets
// the English text, byte for byte. N_ marks a text kept in a table for xgettext; it is
// looked up with _ where it is shown.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The catalogue's name: vantello.mo in each language's LC_MESSAGES folder.
constexpr const char* kTextDomain = "vantello";

const char* Translate(const char* english);
// The form for n of a text that counts ("1 game", "2 games"): each language has its own
// number of forms.
const char* TranslateCount(const char* one, const char* many, unsigned long n);

// A sentence with numbered places (%1 to %9) filled in, so that each language puts them
// where its grammar wants them: FillIn(_("Line %1 paid %2."), {"3", "40"}).
std::string FillIn(std::string_view sentence, std::initializer_list<std::string_view> values);

// From now on the texts come from the catalogue of the player's language, as the desktop
// names it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), from the program folder's locale/ (the
// game where it was built) or the installed prefix's share/locale.
void UsePlayersLanguage(const std::string& program_folder);

// The player's languages, most wanted first, as catalogue and manual names go: "de_DE",
// "de", ... Empty for a player who asked for none (English).
std::vector<std::string> PlayersLanguages();

}  // namespace platform

#define _(english) ::platform::Translate(english)
#define N_(english) english
#define P_(one, many, n) ::platform::TranslateCount(one, many, n)
