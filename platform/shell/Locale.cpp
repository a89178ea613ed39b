#include "platform/shell/Locale.h"

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

}  // namespace velvara::shell
