#include "i18n/StringService.h"

namespace velvara::i18n {

void StringService::initMlResources() {
  if (initialised_) return;
  mlStrings_.bindToModule();
  initialised_ = true;
}

std::string StringService::loadMlString(int id, int) const { return mlStrings_.lookupString(id, currentLangId_); }

void StringService::setCurrentLanguage(int langId, std::string_view langName) {
  currentLangId_ = (langId == kGermanDe) ? kGermanDe : kEnglishUk;
  currentLangName_ = std::string(langName);
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

}  // namespace velvara::i18n
