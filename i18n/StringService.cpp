#include "i18n/StringService.h"

#include "platform/shell/Locale.h"

namespace velvara::i18n {

mlruntime::MlStrings& StringService::strings() const {
  if (!mlStrings_) mlStrings_ = std::make_unique<mlruntime::MlStrings>();
  return *mlStrings_;
}

void StringService::initMlResources() {
  if (initialised_) return;
  strings().bindToModule();
  initialised_ = true;
}

std::string StringService::loadMlString(int id, std::string_view) const {
  return strings().lookupString(id, currentLangId_);
}

void StringService::setCurrentLanguage(int langId, std::string_view) {
  currentLangId_ = kEnglishUk;
  for (int supported : getSupportedLanguages()) {
    if (supported == langId) {
      currentLangId_ = langId;
      break;
    }
  }
}

std::vector<int> StringService::getSupportedLanguages() { return {kEnglishUk, kGermanDe}; }

std::string StringService::languageDisplayName(int langId) {
  switch (langId) {
    case kEnglishUk:
      return "English (United Kingdom)";
    case kGermanDe:
      return "German (Germany)";
    default:
      return "Invalid Language Index";
  }
}

std::string StringService::getLocaleString(int locale, int infoType) { return shell::localeInfo(locale, infoType); }

std::string StringService::getNativeLanguageName(int langId) {
  return getLocaleString(langId, shell::kLocaleNativeLanguageName);
}

}  // namespace velvara::i18n
