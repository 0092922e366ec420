#include "platform/words.h"

#include <libintl.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>

namespace platform {

const char* Translate(const char* english) {
  // An empty text is the catalogue's own header: it stays empty.
  if (!english || !*english) return english;
  return dgettext(kTextDomain, english);
}

const char* TranslateCount(const char* one, const char* many, unsigned long n) {
  return dngettext(kTextDomain, one, many, n);
}

std::string FillIn(std::string_view sentence, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(sentence.size() + 16);
  for (size_t i = 0; i < sentence.size(); ++i) {
    const char c = sentence[i];
    if (c == '%' && i + 1 < sentence.size() && sentence[i + 1] >= '1' && sentence[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(sentence[i + 1] - '1');
      if (n < values.size()) out.append(*(values.begin() + n));
      ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

void UsePlayersLanguage(const std::string& program_folder) {
  // Only the language of messages follows the desktop: the program's numbers, dates and
  // file formats stay "C" (what the user's locale says of numbers is read beside it).
  std::setlocale(LC_MESSAGES, "");
  // Built, the catalogues sit in the program folder's locale/; installed, in the prefix's
  // share/locale, one or two folders up from share/vantello or share/games/vantello.
  std::string folder = "/usr/share/locale";
  for (const char* place : {"locale", "../locale", "../../locale"}) {
    std::error_code error;
    const std::filesystem::path candidate = std::filesystem::path(program_folder) / place;
    if (std::filesystem::is_directory(candidate, error)) {
      folder = candidate.lexically_normal().string();
      break;
    }
  }
  bindtextdomain(kTextDomain, folder.c_str());
  bind_textdomain_codeset(kTextDomain, "UTF-8");
}

std::vector<std::string> PlayersLanguages() {
  // gettext's own order: LANGUAGE (a list) counts only when a locale is set at all.
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  const std::string locale = messages ? messages : "C";
  if (locale == "C" || locale == "POSIX") return {};
  std::vector<std::string> names;
  auto add = [&](std::string name) {
    name = name.substr(0, name.find_first_of(".@"));  // de_DE.UTF-8@euro: de_DE
    if (name.empty() || name == "C" || name == "POSIX") return;
    for (const std::string& n : {name, name.substr(0, name.find('_'))})
      if (std::find(names.begin(), names.end(), n) == names.end()) names.push_back(n);
  };
  if (const char* list = std::getenv("LANGUAGE"); list && *list) {
    std::string rest = list;
    for (size_t at = 0; at <= rest.size();) {
      const size_t end = std::min(rest.find(':', at), rest.size());
      add(rest.substr(at, end - at));
      at = end + 1;
    }
  }
  add(locale);
  return names;
}

}  // namespace platform
