// The two string tables the program carries, read back through the runtime's
// string object exactly as the windows will read them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "i18n/StringService.h"
#include "platform/mlruntime/MlStrings.h"

namespace velvara::i18n {
namespace {

using mlruntime::MlStrings;

std::set<int> range(int first, int last) {
  std::set<int> ids;
  for (int id = first; id <= last; ++id) ids.insert(id);
  return ids;
}

std::set<int> without(std::set<int> ids, const std::set<int>& removed) {
  for (int id : removed) ids.erase(id);
  return ids;
}

std::set<int> idSet(MlStrings& strings, int language) {
  auto ids = strings.ids(language);
  return {ids.begin(), ids.end()};
}

const std::set<int> kOnlyGerman = {2, 3, 32, 133};
const std::set<int> kOnlyEnglish = {151, 162, 163, 180, 191, 222, 227, 229, 253, 274, 286, 287};
const std::set<int> kInNeither = {195, 218, 240, 242, 243, 244, 245, 256, 273, 276, 277, 278, 279, 280, 281};

TEST(StringTables, EachTableHoldsExactlyItsIds) {
  MlStrings strings;
  const std::set<int> english = without(range(1, 287), kInNeither);
  const std::set<int> expectedEnglish = without(english, kOnlyGerman);
  const std::set<int> expectedGerman = without(english, kOnlyEnglish);
  ASSERT_EQ(expectedEnglish.size(), 268u);
  ASSERT_EQ(expectedGerman.size(), 260u);
  EXPECT_EQ(idSet(strings, kEnglishUk), expectedEnglish);
  EXPECT_EQ(idSet(strings, kGermanDe), expectedGerman);
}

TEST(StringTables, NoTextIsEmpty) {
  MlStrings strings;
  for (int language : {kEnglishUk, kGermanDe}) {
    for (int id : strings.ids(language)) EXPECT_FALSE(strings.lookupString(id, language).empty()) << id;
  }
}

TEST(StringTables, EnglishTextsKeepTheirBlanks) {
  MlStrings strings;
  const std::vector<std::pair<int, std::string>> expected = {
      {1, "0"},
      {4, " RGB"},
      {11, " B:"},
      {14, " Verify links"},
      {15, "Stop verifying ..."},
      {22, "  About Velvara"},
      {33, "  Velvara  v.1.0.5."},
      {44, "See Also: Settings\\Web title"},
      {59, "Open in a new browser window....:  _blank"},
      {79, "C:\\Documents and Settings"},
      {151, "\"000000\""},
      {161, "Remove  all"},
      {171, "VLR settings files (*.vlr;*.vls)|*.vlr;*.vls"},
      {174, "Loading image: "},
      {175, " images selected"},
      {177, "Added "},
      {178, " new images."},
      {191, "Relative URL: not verifyed"},
      {196, "Valid values: "},
      {219, "  size"},
      {222, "x"},
      {227, "x "},
      {229, "x  "},
      {234, "Image path:'"},
      {235, "' already exist!"},
      {239, "The destination folder "},
      {241, "is not empty!    Proceed anyway?"},
      {253, "%"},
      {268, "Value :"},
      {274, "-"},
      {284, "Open in box: "},
      {287, "Verdana"},
  };
  for (const auto& [id, text] : expected) EXPECT_EQ(strings.lookupString(id, kEnglishUk), text) << id;
}

TEST(StringTables, CreditsNameTheImageLibraryThisBuildUses) {
  MlStrings strings;
  EXPECT_EQ(strings.lookupString(26, kEnglishUk), "libvips");
  EXPECT_EQ(strings.lookupString(26, kGermanDe), "libvips");
  EXPECT_EQ(strings.lookupString(30, kEnglishUk),
            "This software based on Lightbox and Shadowbox and use  libvips   image library.");
  EXPECT_EQ(strings.lookupString(30, kGermanDe),
            "Diese Software basiert auf Lightbox und Shadowbox und nutzt die libvips image library");
  for (int language : {kEnglishUk, kGermanDe}) {
    for (int id : strings.ids(language)) {
      EXPECT_EQ(strings.lookupString(id, language).find("Gfl"), std::string::npos) << id;
    }
  }
}

TEST(StringTables, AboutBoxLinesAreOurOwn) {
  MlStrings strings;
  const std::string terms = strings.lookupString(24, kEnglishUk);
  EXPECT_EQ(terms.back(), '.');
  EXPECT_EQ(terms.find(". "), std::string::npos) << "one sentence";
  EXPECT_NE(strings.lookupString(24, kGermanDe), terms);
  const std::string credit = strings.lookupString(28, kEnglishUk);
  EXPECT_NE(credit.find("Velvara"), std::string::npos);
  EXPECT_NE(credit.find("the Velvara authors"), std::string::npos);
  EXPECT_EQ(strings.lookupString(28, kGermanDe), credit);
}

TEST(StringTables, GermanTextsGivenForTheWindows) {
  MlStrings strings;
  const std::vector<std::pair<int, std::string>> expected = {
      {2, "Value ="},
      {3, "mm"},
      {11, "B:"},
      {12, "G:"},
      {16, "Schließen"},
      {22, " Über Velvara"},
      {23, "VLR Startseite"},
      {25, "Besuchen Sie meine Panorama Foto Galerie "},
      {32, "000000"},
      {68, "Verknüpfungs-Text"},
      {74, "Als Standard speichern"},
      {107, "Verknüpfungs-Text"},
      {133, "-"},
      // The title of both the settings file's load and save dialog.
      {172, "Einstellungsdatei wählen"},
      {196, "Gültige Werte:"},
      {217, "Bilder/Reihe"},
      {257, "Schließen"},
      {258, "Standard Webseiten Link setzen"},
      {263, "Sprache"},
      {268, "Werte:"},
      {272, "Projekt laden..."},
  };
  for (const auto& [id, text] : expected) EXPECT_EQ(strings.lookupString(id, kGermanDe), text) << id;
}

TEST(StringTables, GermanRepeatsTheEnglishTextWhereItShould) {
  MlStrings strings;
  for (int id : {1,  10, 13, 26, 27, 28, 37, 39, 41,  44,  45,  46,  49,  52,  53,
                 57, 61, 65, 66, 67, 69, 70, 87, 137, 140, 141, 143, 186, 216, 237}) {
    EXPECT_EQ(strings.lookupString(id, kGermanDe), strings.lookupString(id, kEnglishUk)) << id;
  }
}

// Callers join these texts to others, so a German text starts and ends with a
// blank where the English one does, and keeps its "..." (the known exceptions
// are the texts given in German above).
TEST(StringTables, GermanTextsKeepTheShapeOfTheEnglishOnes) {
  MlStrings strings;
  const std::set<int> givenOtherwise = {11, 12, 25, 196, 263};
  for (int id : strings.ids(kGermanDe)) {
    if (!strings.hasString(id, kEnglishUk) || givenOtherwise.contains(id)) continue;
    const std::string english = strings.lookupString(id, kEnglishUk);
    const std::string german = strings.lookupString(id, kGermanDe);
    EXPECT_EQ(english.front() == ' ', german.front() == ' ') << id << " '" << german << "'";
    EXPECT_EQ(english.back() == ' ', german.back() == ' ') << id << " '" << german << "'";
    EXPECT_EQ(english.ends_with("..."), german.ends_with("...")) << id << " '" << german << "'";
    EXPECT_EQ(english.find('&') == std::string::npos, german.find('&') == std::string::npos) << id;
  }
}

TEST(StringTables, GermanTranslatesTheOtherTexts) {
  MlStrings strings;
  const std::vector<std::pair<int, std::string>> samples = {
      {9, "Abbrechen"},
      {34, "Einstellungen"},
      {175, " Bilder ausgewählt"},
      {177, "Es wurden "},
      {178, " neue Bilder hinzugefügt."},
      {239, "Der Zielordner "},
      {241, "ist nicht leer!    Trotzdem fortfahren?"},
      {211, "Sind Sie sicher?"},
  };
  for (const auto& [id, text] : samples) EXPECT_EQ(strings.lookupString(id, kGermanDe), text) << id;
}

// The added tables: the program's own texts, in both languages alike.
TEST(AddedTables, BothLanguagesHoldTheSameIdsFromAThousandWithTheSamePlaceholders) {
  MlStrings strings;
  const auto english = strings.addedIds(kEnglishUk);
  ASSERT_FALSE(english.empty());
  EXPECT_EQ(strings.addedIds(kGermanDe), english);
  const std::regex placeholder("%[1-9]");
  const auto placeholders = [&](const std::string& text) {
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator(); ++it) {
      found.insert(it->str());
    }
    return found;
  };
  for (int id : english) {
    EXPECT_GE(id, mlruntime::kFirstAddedId);
    const std::string englishText = strings.lookupString(id, kEnglishUk);
    const std::string germanText = strings.lookupString(id, kGermanDe);
    EXPECT_FALSE(englishText.empty()) << id;
    EXPECT_EQ(placeholders(germanText), placeholders(englishText)) << id;
  }
  // The interface tables keep their own ids: none of the added ones.
  for (int language : {kEnglishUk, kGermanDe}) EXPECT_LT(strings.ids(language).back(), mlruntime::kFirstAddedId);
}

TEST(AddedTables, FillInReplacesEachPlaceholderOnceAndFollowsTheLanguage) {
  StringService service;
  service.setCurrentLanguage(kEnglishUk);
  // 1004: "'%1' lies in '%2', whose files ..."; a value holding "%2" stays as it is.
  EXPECT_EQ(service.fillIn(1004, {"a %2 b", "/g"}).substr(0, 22), "'a %2 b' lies in '/g',");
  EXPECT_EQ(service.fillIn(1000, {"0", "7"}),
            "The gallery needs at least one column and one row (columns: 0, rows: 7).");
  // A missing value leaves its placeholder.
  EXPECT_EQ(service.fillIn(1000, {"0"}), "The gallery needs at least one column and one row (columns: 0, rows: %2).");
  service.setCurrentLanguage(kGermanDe);
  EXPECT_EQ(service.fillIn(1000, {"0", "7"}),
            "Die Galerie braucht mindestens eine Spalte und eine Reihe (Spalten: 0, Reihen: 7).");
}

// A sentence for the user belongs in a table, in both languages. Scans the
// program's sources for text literals of three words or more that are no
// markup, and lists those that may stay: texts that are fixed in every
// language, and descriptions of internal errors that never reach the user.
// The English text that a message site passes to loadMlString beside the id
// is ignored there, and here.
TEST(AddedTables, NoMessageTextOfTheProgramIsWrittenInCode) {
  namespace fs = std::filesystem;
  const std::set<std::pair<std::string, std::string>> allowed = {
      // Fixed in every language.
      {"core/model/GallerySettings.cpp", "Arial, Helvetica, sans-serif"},
      {"settings/SettingsDesign.cpp", "Resized image quality"},
      {"settings/SettingsLayout.cpp", "Thumnail+link ( html,img,swf)"},
      {"linkcheck/LinkStatus.cpp", "Relative URL: not verifyed"},
      {"i18n/StringService.cpp", "Invalid Language Index"},
      {"i18n/dialog/LanguageSelect.cpp", "Show this dialog when the program starts"},
      // Internal errors, caught before they could reach the user.
      {"core/files/BinaryReader.cpp", "field runs past the end of the file"},
      {"core/files/BinaryWriter.cpp", "a text is longer than a file record can hold"},
      {"core/files/ProjectFileFormat.cpp", "image count does not fit the file"},
      {"core/imaging/BitmapAdapter.cpp", "bitmap too large to paint"},
      {"widgets/numericbox/usNumericBox.cpp", "Get not supported at run time"},
      {"widgets/numericbox/usNumericBox.cpp", "Set not supported at run time"},
      {"widgets/store/Variant.cpp", "number out of range"},
      {"widgets/store/Variant.cpp", "not a number"},
      {"widgets/store/Variant.cpp", "bytes are not a number"},
      {"widgets/store/cMRUFileList.cpp", "recent file index out of range"},
      {"widgets/store/cRegistry.cpp", "Failed to create registry Key: '"},
      {"widgets/store/cRegistry.cpp", "Failed to delete registry "},
      {"widgets/store/cRegistry.cpp", "Failed to open key '"},
      {"widgets/store/cRegistry.cpp", "' for delete access"},
      {"widgets/store/cRegistry.cpp", "Failed to set registry value "},
      {"widgets/store/RegistryError.h", "Application-defined or object-defined error"},
  };
  const std::regex literal(R"re("((?:[^"\\]|\\.)*)")re");
  const std::regex sentence(R"([A-Za-z][A-Za-z']*(?:[ ,:]+[A-Za-z][A-Za-z']*){2,})");
  const std::regex markup(R"([<>{}=;#\\/])");
  const std::regex passedEnglish(R"(loadMlString\(\s*[\w:]+\s*,\s*$)");
  std::vector<std::string> found;
  const fs::path root(VELVARA_SOURCE_DIR);
  for (const char* layer : {"core", "app", "widgets", "settings", "linkcheck", "i18n"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / layer)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".cpp" && extension != ".h") continue;
      const std::string file = fs::relative(entry.path(), root).generic_string();
      std::ifstream in(entry.path());
      for (std::string line; std::getline(in, line);) {
        if (line.find_first_not_of(' ') != std::string::npos &&
            line.substr(line.find_first_not_of(' ')).starts_with("//")) {
          continue;
        }
        for (auto it = std::sregex_iterator(line.begin(), line.end(), literal); it != std::sregex_iterator(); ++it) {
          const std::string text = (*it)[1].str();
          const std::string before = line.substr(0, static_cast<std::size_t>(it->position()));
          if (std::regex_search(before, passedEnglish) || before.find("//") != std::string::npos) continue;
          if (std::regex_search(text, markup) || !std::regex_search(text, sentence)) continue;
          if (!allowed.contains({file, text})) found.push_back(file + ": " + text);
        }
      }
    }
  }
  EXPECT_EQ(found, std::vector<std::string>{});
}

}  // namespace
}  // namespace velvara::i18n
