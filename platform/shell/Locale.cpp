#include "platform/shell/Locale.h"

#include <clocale>

namespace velvara::shell {

std::string localeInfo(int locale, int infoType) {
  if (infoType != kLocaleNativeLanguageName) return {};
  switch (locale) {
    case 2057:
      return "English";
    case 1031:
      return "Deutsch";
    default:
      return {};
  }
}

void keepPortableNumbers() { std::setlocale(LC_NUMERIC, "C"); }

}  // namespace velvara::shell
