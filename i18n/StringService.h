#pragma once
// Where the user interface gets its words: texts by string id in the current
// language, the current language itself, the supported languages and their
// names.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/mlruntime/MlStrings.h"

namespace velvara::i18n {

inline constexpr int kEnglishUk = mlruntime::kEnglishUk;
inline constexpr int kGermanDe = mlruntime::kGermanDe;

class StringService {
 public:
  // Binds the lookup to the program's own tables, once per run; the string
  // object is created here unless a lookup created it before. The current
  // language is left as it is.
  void initMlResources();
  bool mlResourcesBound() const { return initialised_; }

  // The text of id in the current language; where the table lacks id the
  // English text, else "". Message sites pass the English text they expect as
  // englishText; it never changes the result. Creates the string object on
  // first use.
  std::string loadMlString(int id, std::string_view englishText = {}) const;

  // Whether text is the text of id in one of the supported languages.
  bool isTextInAnyLanguage(int id, std::string_view text) const;

  // The text of id in the current language with "%1", "%2", ... replaced by
  // values[0], values[1], ...; what a value holds is never replaced again.
  std::string fillIn(int id, const std::vector<std::string>& values) const;

  // The string object, or nothing before the first lookup or initMlResources.
  const mlruntime::MlStrings* mlStrings() const { return mlStrings_.get(); }

  // 0 until a language is set, then kEnglishUk or kGermanDe.
  int currentLangId() const { return currentLangId_; }

  // Makes langId current when it is a supported language, else English.
  // langName travels with language announcements and is not needed here.
  void setCurrentLanguage(int langId, std::string_view langName = {});

  // The supported languages in display order: English, then German.
  static std::vector<int> getSupportedLanguages();
  // "English (United Kingdom)", "German (Germany)", else "Invalid Language Index".
  static std::string languageDisplayName(int langId);

  // A locale information string of the operating system, or "".
  static std::string getLocaleString(int locale, int infoType);
  // The language's own name for itself ("English", "Deutsch"), or "".
  static std::string getNativeLanguageName(int langId);

 private:
  mlruntime::MlStrings& strings() const;

  mutable std::unique_ptr<mlruntime::MlStrings> mlStrings_;
  bool initialised_ = false;
  int currentLangId_ = 0;
};

}  // namespace velvara::i18n
