#pragma once
// Where the user interface gets its words: texts by string id in the current
// language, the current language itself and the supported languages.
#include <string>
#include <string_view>
#include <vector>

#include "platform/mlruntime/MlStrings.h"

namespace velvara::i18n {

inline constexpr int kEnglishUk = 2057;
inline constexpr int kGermanDe = 1031;

class StringService {
 public:
  // Binds the lookup to the program's own tables, once per run.
  void initMlResources();

  // The text of id in the current language (English where the table lacks it).
  // The second argument is accepted for callers that pass one; it never
  // changes the result.
  std::string loadMlString(int id, int ignored = 0) const;

  int currentLangId() const { return currentLangId_; }
  const std::string& currentLangName() const { return currentLangName_; }

  // Makes langId current; any id but the two supported ones becomes English.
  void setCurrentLanguage(int langId, std::string_view langName);

  static std::vector<int> getSupportedLanguages();
  static std::string languageDisplayName(int langId);

 private:
  mutable mlruntime::MlStrings mlStrings_;
  bool initialised_ = false;
  int currentLangId_ = 0;
  std::string currentLangName_;
};

}  // namespace velvara::i18n
