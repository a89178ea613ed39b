#pragma once
// Qt's own texts in the program's language: the standard buttons of message
// boxes ("Ja", "Nein"), the file, folder, colour and font dialogs, and the
// context menus of text fields. While German is the current language Qt's
// German translations are installed, otherwise none (Qt's own English).
//
// The program creates one before any window, so that its language-support
// object, the first one alive, switches Qt's texts before any window
// relabels itself on an announcement.
#include <QTranslator>

#include "platform/mlruntime/LanguageSupport.h"

namespace velvara::i18n {

class QtTranslations {
 public:
  QtTranslations();
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;
  ~QtTranslations();

  // Installs or removes Qt's German translations for langId; an unsupported
  // id means English, as for the program's own texts. When Qt's translation
  // files are missing the texts stay English.
  void apply(int langId);

 private:
  QTranslator translator_;
  bool installed_ = false;
  mlruntime::LanguageSupport languageSupport_;
};

}  // namespace velvara::i18n
