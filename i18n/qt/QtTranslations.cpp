#include "i18n/qt/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "i18n/StringService.h"

namespace velvara::i18n {

QtTranslations::QtTranslations() : languageSupport_([this](int langId, const std::string&) { apply(langId); }) {}

QtTranslations::~QtTranslations() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

void QtTranslations::apply(int langId) {
  const bool german = langId == kGermanDe;
  if (german == installed_) return;
  if (!german) {
    QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    return;
  }
  // qtbase holds the texts of every widget and dialog the program uses.
  if (translator_.isEmpty() &&
      !translator_.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return;
  }
  installed_ = QCoreApplication::installTranslator(&translator_);
}

}  // namespace velvara::i18n
