#include <gtest/gtest.h>

#include "core/folders/DataFolder.h"
#include "core/model/GallerySettings.h"
#include "core/model/ImageItem.h"
#include "i18n/StringService.h"

namespace velvara::core {
namespace {

std::array<std::string, 16> markedSpareTexts() {
  std::array<std::string, 16> texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = "spare " + std::to_string(i);
  return texts;
}

std::array<std::uint8_t, 14> markedSpareBytes() {
  std::array<std::uint8_t, 14> bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(0xF0 + i);
  return bytes;
}

// Every field holds something no default is, so the comparison below shows
// which fields the defaults replace and which they leave.
GallerySettings everyFieldMarked() {
  GallerySettings s;
  s.columns = -7;
  s.rows = -8;
  for (std::string* text :
       {&s.defaultLinkText,  &s.pageFontFamily,   &s.pageBackColor,    &s.cellWidth,        &s.cellHeight,
        &s.cellBorderWidth,  &s.cellBorderColors, &s.cellBackColor,    &s.thumbWidth,       &s.thumbHeight,
        &s.thumbBorderColor, &s.thumbBorderWidth, &s.titleFontName,    &s.titleFontSize,    &s.titleFontWeight,
        &s.titleAlign,       &s.titleColor,       &s.imageWidth,       &s.imageHeight,      &s.spareNumber,
        &s.jpegQuality,      &s.webTitle,         &s.webTitleFontName, &s.webTitleFontSize, &s.webTitleColor,
        &s.cellSpacing,      &s.cellPadding,      &s.destFolder,       &s.homeCaption,      &s.homeUrl,
        &s.lightboxStyle}) {
    *text = "marked";
  }
  s.spareText1 = "spare text 1";
  s.spareText2 = "spare text 2";
  s.keepAspectRatio = -1;
  s.baseUrl = "http://example.test/base/";
  s.pageBackImage = "/home/u/page.png";
  s.cellBackImage = "/home/u/cell.png";
  s.spareTexts = markedSpareTexts();
  s.addParentLink = -1;
  s.addImageLinks = -1;
  s.galleryStyle = 7;
  s.spareBytes = markedSpareBytes();
  return s;
}

// The designated initialisers name the fields in their order on disk; a field
// moved in the record stops this from compiling.
TEST(SetDefaultSettings, SetsEveryDefaultAndLeavesTheBaseAddressBackgroundsAndReservedFields) {
  const GallerySettings expected{
      .columns = 4,
      .rows = 100,
      .defaultLinkText = "3D",
      .pageFontFamily = "Arial, Helvetica, sans-serif",
      .pageBackColor = "#7F7F7F",
      .cellWidth = "160",
      .cellHeight = "120",
      .cellBorderWidth = "1",
      .cellBorderColors = "#aaaaaa #666666 #666666 #aaaaaa",
      .cellBackColor = "#7F7F7F",
      .thumbWidth = "160",
      .thumbHeight = "120",
      .spareText1 = "spare text 1",
      .spareText2 = "spare text 2",
      .thumbBorderColor = "#FFFFFF",
      .thumbBorderWidth = "1",
      .titleFontName = "Verdana",
      .titleFontSize = "10",
      .titleFontWeight = "normal",
      .titleAlign = "center",
      .titleColor = "#FFFFFF",
      .imageWidth = "750",
      .imageHeight = "500",
      .spareNumber = "25",
      .jpegQuality = "90",
      .webTitle = "My Image Gallery",
      .webTitleFontName = "Verdana",
      .webTitleFontSize = "26",
      .webTitleColor = "#000080",
      .cellSpacing = "5",
      .cellPadding = "10",
      .destFolder = "/home/u/Documents/VLR/Image Gallery",
      .homeCaption = "",
      .homeUrl = "",
      .keepAspectRatio = 1,
      .baseUrl = "http://example.test/base/",
      .pageBackImage = "/home/u/page.png",
      .cellBackImage = "/home/u/cell.png",
      .lightboxStyle = "#000000*#ffffff*#ffffff*10px Verdana, Helvetica, sans-serif*bold*#666666",
      .spareTexts = markedSpareTexts(),
      .addParentLink = 0,
      .addImageLinks = 0,
      .galleryStyle = 0,
      .spareBytes = markedSpareBytes(),
  };
  GallerySettings s = everyFieldMarked();
  setDefaultSettings(s, "My Image Gallery", "/home/u/Documents");
  EXPECT_EQ(s, expected);
  // The comparison above names no field when it fails; these do for the texts
  // most easily mistyped.
  EXPECT_EQ(s.cellBorderColors, expected.cellBorderColors);
  EXPECT_EQ(s.lightboxStyle, expected.lightboxStyle);
  EXPECT_EQ(s.destFolder, expected.destFolder);
}

TEST(SetDefaultSettings, WithoutDocumentsFolderTheOutputFolderStartsWithTheSeparator) {
  GallerySettings s;
  setDefaultSettings(s, "", "");
  EXPECT_EQ(s.destFolder, "/VLR/Image Gallery");
}

TEST(SetDefaultSettings, TheProgramsTitleIsInTheCurrentLanguageAndTheFolderInTheDocuments) {
  i18n::StringService strings;
  strings.initMlResources();
  const struct {
    int language;
    const char* title;
  } cases[] = {{i18n::kEnglishUk, "My Image Gallery"}, {i18n::kGermanDe, "Meine Bildergalerie"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    strings.setCurrentLanguage(c.language);
    GallerySettings s;
    s.baseUrl = "http://kept.test/";
    setDefaultSettings(s, strings);
    EXPECT_EQ(s.webTitle, c.title);
    EXPECT_EQ(s.destFolder, getPersonalFolder() + "/VLR/Image Gallery");
    EXPECT_EQ(s.baseUrl, "http://kept.test/");
    EXPECT_EQ(s.jpegQuality, "90");
  }
}

TEST(ImageRecords, HoldTheirFieldsInFileOrder) {
  const ImageItem item{
      .sourcePath = "/p/a.jpg",
      .title = "a",
      .tooltip = "a tip",
      .linkUrl = "http://example.test/",
      .openInSameWindow = true,
      .thumbnailCached = true,
      .linkText = "3D",
      .outputBaseName = "a_1",
      .spares = {"1", "2", "3", "4", "5"},
  };
  EXPECT_EQ(item.outputBaseName, "a_1");
  const OldImageItem old{
      .sourcePath = "C:\\p\\a.jpg",
      .title = "a",
      .tooltip = "a tip",
      .linkUrl = "",
      .openInSameWindow = false,
      .unused = 3,
  };
  EXPECT_EQ(old.unused, 3);
}

}  // namespace
}  // namespace velvara::core
