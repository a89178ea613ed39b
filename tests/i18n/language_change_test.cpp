// A language announcement as the windows receive it: each object's handler
// first hands the announced language to the string service.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "i18n/StringService.h"
#include "platform/mlruntime/LanguageSupport.h"

namespace velvara::i18n {
namespace {

using mlruntime::LanguageSupport;

struct Window {
  explicit Window(StringService& service)
      : support([this, &service](int langId, const std::string& name) {
          service.setCurrentLanguage(langId, name);
          caption = service.loadMlString(34);
          announced.push_back(langId);
        }) {}
  std::string caption;
  std::vector<int> announced;
  LanguageSupport support;
};

TEST(LanguageChange, EveryWindowRelabelsBeforeTheAnnouncementReturns) {
  StringService service;
  service.initMlResources();
  service.setCurrentLanguage(2057);
  Window main(service), settings(service);
  LanguageSupport dialog;
  dialog.raiseLanguageChanged(1031, StringService::languageDisplayName(1031));
  EXPECT_EQ(main.caption, "Einstellungen");
  EXPECT_EQ(settings.caption, "Einstellungen");
  EXPECT_EQ(service.currentLangId(), 1031);
}

TEST(LanguageChange, AnUnsupportedIdArrivesUnchangedAndEndsInEnglish) {
  StringService service;
  service.setCurrentLanguage(1031);
  Window main(service), settings(service);
  LanguageSupport dialog;
  dialog.raiseLanguageChanged(1033, "English (United States)");
  EXPECT_EQ(main.announced, std::vector<int>{1033});
  EXPECT_EQ(settings.announced, std::vector<int>{1033});
  EXPECT_EQ(service.currentLangId(), 2057);
  EXPECT_EQ(main.caption, "Settings");
}

}  // namespace
}  // namespace velvara::i18n
