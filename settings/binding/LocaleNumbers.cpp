#include "settings/binding/LocaleNumbers.h"

#include <QLocale>

namespace velvara::settings {

char32_t localeDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.isEmpty() ? U'.' : point.toUcs4().front();
}

}  // namespace velvara::settings
