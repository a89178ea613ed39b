#include "i18n/StringService.h"

#include <gtest/gtest.h>

namespace velvara::i18n {
namespace {

TEST(SetCurrentLanguage, OnlySupportedLanguagesBecomeCurrent) {
  StringService service;
  EXPECT_EQ(service.currentLangId(), 0);
  service.setCurrentLanguage(1031, "whatever name");
  EXPECT_EQ(service.currentLangId(), 1031);
  service.setCurrentLanguage(1033, "German (Germany)");
  EXPECT_EQ(service.currentLangId(), 2057);
  service.setCurrentLanguage(1031, "");
  service.setCurrentLanguage(0, "");
  EXPECT_EQ(service.currentLangId(), 2057);
  service.setCurrentLanguage(-1031, "");
  EXPECT_EQ(service.currentLangId(), 2057);
}

TEST(Languages, SupportedListAndDisplayNames) {
  EXPECT_EQ(StringService::getSupportedLanguages(), (std::vector<int>{2057, 1031}));
  EXPECT_EQ(StringService::languageDisplayName(2057), "English (United Kingdom)");
  EXPECT_EQ(StringService::languageDisplayName(1031), "German (Germany)");
  EXPECT_EQ(StringService::languageDisplayName(1033), "Invalid Language Index");
  EXPECT_EQ(StringService::languageDisplayName(0), "Invalid Language Index");
}

TEST(Languages, NativeNamesComeFromTheLocaleInformation) {
  EXPECT_EQ(StringService::getNativeLanguageName(2057), "English");
  EXPECT_EQ(StringService::getNativeLanguageName(1031), "Deutsch");
  EXPECT_EQ(StringService::getNativeLanguageName(1033), "");
  EXPECT_EQ(StringService::getNativeLanguageName(0), "");
  EXPECT_EQ(StringService::getLocaleString(1031, 4), "Deutsch");
  // Information the program never asks for is unknown here.
  EXPECT_EQ(StringService::getLocaleString(1031, 2), "");
}

TEST(LoadMlString, FollowsTheCurrentLanguageAndIgnoresTheEnglishTextPassed) {
  StringService service;
  service.initMlResources();
  service.setCurrentLanguage(2057, "English (United Kingdom)");
  EXPECT_EQ(service.loadMlString(175), " images selected");
  EXPECT_EQ(service.loadMlString(175, "something else"), " images selected");
  EXPECT_EQ(service.loadMlString(74), "Restore defaults");
  service.setCurrentLanguage(1031, "German (Germany)");
  EXPECT_EQ(service.loadMlString(175), " Bilder ausgewählt");
  EXPECT_EQ(service.loadMlString(175, " images selected"), " Bilder ausgewählt");
  EXPECT_EQ(service.loadMlString(74), "Als Standard speichern");
}

TEST(LoadMlString, IdsATableLacksNeverFail) {
  StringService service;
  service.setCurrentLanguage(2057);
  // The numeric box fetches 2 and 3, which only German has.
  EXPECT_EQ(service.loadMlString(2, "Value ="), "");
  EXPECT_EQ(service.loadMlString(3), "");
  EXPECT_EQ(service.loadMlString(256), "");
  service.setCurrentLanguage(1031);
  EXPECT_EQ(service.loadMlString(2), "Value =");
  EXPECT_EQ(service.loadMlString(3), "mm");
  // German lacks 253: the English text stands in.
  EXPECT_EQ(service.loadMlString(253), "%");
  EXPECT_EQ(service.loadMlString(256), "");
}

TEST(LoadMlString, BeforeALanguageIsSetTextsAreEnglish) {
  StringService service;
  EXPECT_EQ(service.loadMlString(34), "Settings");
}

TEST(InitMlResources, ALookupFirstCreatesTheObjectThatInitThenBinds) {
  StringService service;
  EXPECT_EQ(service.mlStrings(), nullptr);
  EXPECT_EQ(service.loadMlString(102), "My Image Gallery");
  const mlruntime::MlStrings* created = service.mlStrings();
  ASSERT_NE(created, nullptr);
  EXPECT_FALSE(service.mlResourcesBound());
  service.initMlResources();
  EXPECT_EQ(service.mlStrings(), created);
  EXPECT_TRUE(service.mlResourcesBound());
  EXPECT_TRUE(created->isBound());
}

TEST(InitMlResources, ASecondCallChangesNothing) {
  StringService service;
  service.initMlResources();
  const mlruntime::MlStrings* bound = service.mlStrings();
  ASSERT_NE(bound, nullptr);
  service.setCurrentLanguage(1031);
  service.initMlResources();
  EXPECT_EQ(service.mlStrings(), bound);
  EXPECT_EQ(service.currentLangId(), 1031);
  EXPECT_EQ(service.loadMlString(217), "Bilder/Reihe");
}

}  // namespace
}  // namespace velvara::i18n
