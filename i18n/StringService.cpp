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

bool StringService::isTextInAnyLanguage(int id, std::string_view text) const {
  for (int langId : getSupportedLanguages()) {
    if (strings().lookupString(id, langId) == text) return true;
  }
  return false;
}

std::string StringService::fillIn(int id, const std::vector<std::string>& values) const {
  const std::string text = loadMlString(id);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const std::size_t index = static_cast<std::size_t>(next - '1');
    if (text[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
      out += values[index];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
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
