#include "core/model/SettingsCheck.h"

#include <gtest/gtest.h>

#include "i18n/StringService.h"

namespace velvara::core {
namespace {

const i18n::StringService& english() {
  static const i18n::StringService strings = [] {
    i18n::StringService service;
    service.setCurrentLanguage(i18n::kEnglishUk);
    return service;
  }();
  return strings;
}

GallerySettings usable() {
  GallerySettings settings;
  settings.columns = 4;
  settings.rows = 100;
  settings.thumbWidth = "160";
  settings.thumbHeight = "120";
  settings.imageWidth = "750";
  settings.imageHeight = "500";
  settings.jpegQuality = "90";
  settings.titleAlign = "center";
  return settings;
}

TEST(GallerySizes, ReadsWholeNumbersWithBlanksAround) {
  GallerySettings settings = usable();
  settings.thumbWidth = " 160 ";
  settings.imageHeight = "+500";
  settings.jpegQuality = "100";
  std::string problem;
  const auto sizes = gallerySizes(settings, english(), problem);
  ASSERT_TRUE(sizes);
  EXPECT_EQ(sizes->thumbWidth, 160);
  EXPECT_EQ(sizes->thumbHeight, 120);
  EXPECT_EQ(sizes->imageWidth, 750);
  EXPECT_EQ(sizes->imageHeight, 500);
  EXPECT_EQ(sizes->jpegQuality, 100);
  EXPECT_EQ(problem, "");
}

TEST(GallerySizes, RefusesTextsThatAreNoWholeNumberInRange) {
  const struct {
    std::string GallerySettings::*field;
    const char* text;
    const char* problem;
  } cases[] = {
      {&GallerySettings::thumbWidth, "",
       "The setting \"Thumbnail width\" must be a whole number from 1 to 100000: ''."},
      {&GallerySettings::thumbWidth, "   ",
       "The setting \"Thumbnail width\" must be a whole number from 1 to 100000: '   '."},
      {&GallerySettings::thumbHeight, "12.5",
       "The setting \"Thumbnail height\" must be a whole number from 1 to 100000: '12.5'."},
      {&GallerySettings::imageWidth, "-750",
       "The setting \"Large image width\" must be a whole number from 1 to 100000: '-750'."},
      {&GallerySettings::imageWidth, "+",
       "The setting \"Large image width\" must be a whole number from 1 to 100000: '+'."},
      {&GallerySettings::imageHeight, "100001",
       "The setting \"Large image height\" must be a whole number from 1 to 100000: '100001'."},
      {&GallerySettings::imageHeight, "99999999999",
       "The setting \"Large image height\" must be a whole number from 1 to 100000: '99999999999'."},
      {&GallerySettings::jpegQuality, "0",
       "The setting \"Resized image quality\" must be a whole number from 1 to 100: '0'."},
      {&GallerySettings::jpegQuality, "101",
       "The setting \"Resized image quality\" must be a whole number from 1 to 100: '101'."},
      {&GallerySettings::jpegQuality, "9 0",
       "The setting \"Resized image quality\" must be a whole number from 1 to 100: '9 0'."},
  };
  for (const auto& c : cases) {
    GallerySettings settings = usable();
    settings.*c.field = c.text;
    std::string problem;
    EXPECT_FALSE(gallerySizes(settings, english(), problem)) << c.text;
    EXPECT_EQ(problem, c.problem);
    EXPECT_EQ(galleryBuildProblem(settings, english()), std::optional<std::string>(c.problem));
  }
}

TEST(GalleryBuildProblem, NeedsAColumnAndARowBeforeTheSizes) {
  EXPECT_EQ(galleryBuildProblem(usable(), english()), std::nullopt);
  GallerySettings settings = usable();
  settings.rows = 0;
  settings.thumbWidth = "x";
  EXPECT_EQ(galleryBuildProblem(settings, english()),
            std::optional<std::string>("The gallery needs at least one column and one row (columns: 4, rows: 0)."));
  settings.rows = 1;
  settings.columns = 1;
  EXPECT_EQ(
      galleryBuildProblem(settings, english()),
      std::optional<std::string>("The setting \"Thumbnail width\" must be a whole number from 1 to 100000: 'x'."));
}

TEST(GalleryBuildProblem, SpeaksTheCurrentLanguage) {
  i18n::StringService german;
  german.setCurrentLanguage(i18n::kGermanDe);
  GallerySettings settings = usable();
  settings.jpegQuality = "0";
  EXPECT_EQ(galleryBuildProblem(settings, german),
            "Die Einstellung „Qualität der verkleinerten Bilder“ muss eine ganze Zahl von 1 bis 100 sein: '0'.");
  settings.columns = 0;
  EXPECT_EQ(galleryBuildProblem(settings, german),
            "Die Galerie braucht mindestens eine Spalte und eine Reihe (Spalten: 0, Reihen: 100).");
}

TEST(GalleryBuildProblem, TitleAlignmentIsOneOfThreeExactWords) {
  for (const char* align : {"left", "center", "right"}) {
    GallerySettings settings = usable();
    settings.titleAlign = align;
    EXPECT_EQ(galleryBuildProblem(settings, english()), std::nullopt) << align;
  }
  for (const char* align : {"", "Left", "center ", "justify", "center onmouseover=alert(1)", "right>"}) {
    GallerySettings settings = usable();
    settings.titleAlign = align;
    EXPECT_EQ(galleryBuildProblem(settings, english()),
              std::optional<std::string>(std::string("The image title alignment must be 'left', 'center' or "
                                                     "'right': '") +
                                         align + "'."));
  }
}

}  // namespace
}  // namespace velvara::core
