#include "platform/user_locale.h"

#include <langinfo.h>
#include <locale.h>

#include <ctime>

namespace platform {

NumericSeparators UserNumericSeparators() {
  NumericSeparators s;
  locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (!user) return s;
  s.decimal = nl_langinfo_l(RADIXCHAR, user);
  s.thousands = nl_langinfo_l(THOUSEP, user);
  freelocale(user);
  return s;
}

std::string UserDateFormat() {
  locale_t user = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
  if (!user) return {};
  std::string format = nl_langinfo_l(D_FMT, user);
  freelocale(user);
  return format;
}

CalendarDate LocalToday() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string LocalTimeStamp() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

}  // namespace platform
