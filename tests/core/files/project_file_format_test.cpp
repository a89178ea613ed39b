#include <gtest/gtest.h>

#include "core/files/ProjectFileFormat.h"
#include "core/files/SettingsFileFormat.h"
#include "tests/support/SampleFiles.h"

namespace velvara::core {
namespace {

std::span<const std::uint8_t> bytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string header(const char* name) { return std::string(name) + std::string(4, '\0'); }

TEST(FileSizes, AnAllEmptyRecordGivesTheDocumentedSizes) {
  GallerySettings empty;
  EXPECT_EQ(serializeSettingsFile(empty).size(), 144u);
  EXPECT_EQ(serializeProjectFile(empty, {}).size(), 148u);
  EXPECT_EQ(serializeProjectFile(empty, {ImageItem{}}).size(), 148u + 26u);
}

TEST(FileLayout, FieldsAreLittleEndianAndTextsCarryTheirLength) {
  GallerySettings s;
  s.columns = 0x01020304;
  s.rows = -2;
  s.defaultLinkText = "ab";
  s.keepAspectRatio = 1;
  s.galleryStyle = 2;
  s.spareBytes[0] = 0xAA;
  std::string file = serializeSettingsFile(s);
  ASSERT_EQ(file.size(), 146u);
  EXPECT_EQ(file.substr(0, 10), header("VLR104"));
  EXPECT_EQ(file.substr(10, 4), std::string("\x04\x03\x02\x01", 4));
  EXPECT_EQ(file.substr(14, 4), std::string("\xFE\xFF\xFF\xFF", 4));
  EXPECT_EQ(file.substr(18, 4), std::string("\x02\x00"
                                            "ab",
                                            4));
  // 31 empty texts follow the link text, then keepAspectRatio.
  EXPECT_EQ(file.substr(22 + 31 * 2, 2), std::string("\x01\x00", 2));
  // Then 20 empty texts, the two link flags, the style and the spare bytes.
  EXPECT_EQ(file.substr(file.size() - 16, 2), std::string("\x02\x00", 2));
  EXPECT_EQ(static_cast<std::uint8_t>(file[file.size() - 14]), 0xAA);
}

// The bytes of a text field and of an Integer field, built by hand.
std::string textField(const std::string& text) { return std::string{static_cast<char>(text.size()), '\0'} + text; }
std::string integerField(std::int16_t value) {
  auto v = static_cast<std::uint16_t>(value);
  return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

TEST(FileLayout, SettingsFieldsAreWrittenInTheRecordOrder) {
  GallerySettings s;
  s.columns = 1;
  s.rows = 2;
  // The texts in the order the file holds them, each with its own value.
  std::vector<std::string*> firstTexts = {
      &s.defaultLinkText,  &s.pageFontFamily,   &s.pageBackColor,    &s.cellWidth,        &s.cellHeight,
      &s.cellBorderWidth,  &s.cellBorderColors, &s.cellBackColor,    &s.thumbWidth,       &s.thumbHeight,
      &s.spareText1,       &s.spareText2,       &s.thumbBorderColor, &s.thumbBorderWidth, &s.titleFontName,
      &s.titleFontSize,    &s.titleFontWeight,  &s.titleAlign,       &s.titleColor,       &s.imageWidth,
      &s.imageHeight,      &s.spareNumber,      &s.jpegQuality,      &s.webTitle,         &s.webTitleFontName,
      &s.webTitleFontSize, &s.webTitleColor,    &s.cellSpacing,      &s.cellPadding,      &s.destFolder,
      &s.homeCaption,      &s.homeUrl};
  std::vector<std::string*> laterTexts = {&s.baseUrl, &s.pageBackImage, &s.cellBackImage, &s.lightboxStyle};
  for (auto& spare : s.spareTexts) laterTexts.push_back(&spare);
  ASSERT_EQ(firstTexts.size(), 32u);
  ASSERT_EQ(laterTexts.size(), 20u);
  int n = 0;
  for (auto* text : firstTexts) *text = "a" + std::to_string(n++);
  for (auto* text : laterTexts) *text = "b" + std::to_string(n++);
  s.keepAspectRatio = 3;
  s.addParentLink = 4;
  s.addImageLinks = 5;
  s.galleryStyle = 6;
  for (std::size_t i = 0; i < s.spareBytes.size(); ++i) s.spareBytes[i] = static_cast<std::uint8_t>(0x80 + i);

  std::string expected = header("VLR104") + std::string("\1\0\0\0\2\0\0\0", 8);
  for (auto* text : firstTexts) expected += textField(*text);
  expected += integerField(3);
  for (auto* text : laterTexts) expected += textField(*text);
  expected += integerField(4) + integerField(5) + integerField(6);
  expected.append(s.spareBytes.begin(), s.spareBytes.end());
  EXPECT_EQ(serializeSettingsFile(s), expected);
  EXPECT_EQ(parseSettingsFile(bytesOf(expected)), s);
}

TEST(FileLayout, ImageRecordsHoldTheirFieldsInOrderWithTrueAsMinusOne) {
  ImageItem item;
  item.sourcePath = "s";
  item.title = "t";
  item.tooltip = "o";
  item.linkUrl = "u";
  item.openInSameWindow = true;
  item.thumbnailCached = false;
  item.linkText = "l";
  item.outputBaseName = "b";
  item.spares = {"1", "2", "3", "4", "5"};
  ImageItem cached;
  cached.thumbnailCached = true;
  std::string file = serializeProjectFile(GallerySettings{}, {item, cached});
  std::string expected = std::string("\2\0\0\0", 4) + textField("s") + textField("t") + textField("o") +
                         textField("u") + integerField(-1) + integerField(0) + textField("l") + textField("b");
  for (const auto& spare : item.spares) expected += textField(spare);
  expected += std::string(8, '\0') + integerField(0) + integerField(-1) + std::string(14, '\0');
  EXPECT_EQ(file.substr(144), expected);
}

TEST(FileLayout, AnyIntegerButZeroReadsAsTrue) {
  for (std::int16_t stored : {-1, 1, 0x100}) {
    std::string file = serializeProjectFile(GallerySettings{}, {ImageItem{}});
    file.replace(148 + 8, 4, integerField(stored) + integerField(stored));
    auto read = parseProjectFile(bytesOf(file));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->images[0].openInSameWindow) << stored;
    EXPECT_TRUE(read->images[0].thumbnailCached) << stored;
  }
}

TEST(ProjectFile, WrittenAndReadBackIsIdenticalInEveryField) {
  GallerySettings settings = testing::sampleSettings();
  std::vector<ImageItem> images = testing::sampleImages();
  std::string file = serializeProjectFile(settings, images);
  auto read = parseProjectFile(bytesOf(file));
  ASSERT_TRUE(read);
  EXPECT_FALSE(read->oldFormat);
  EXPECT_EQ(read->settings, settings);
  EXPECT_EQ(read->images, images);
  EXPECT_EQ(read->settings.webTitle, "Galerie d'été — 夏の写真");
  EXPECT_EQ(read->images[1].title, "東京タワー");

  auto settingsOnly = parseSettingsFile(bytesOf(file));
  ASSERT_TRUE(settingsOnly);
  EXPECT_EQ(*settingsOnly, settings);
}

TEST(ProjectFile, Windows1252TextsReadAsTheirCharacters) {
  GallerySettings settings;
  std::string file = serializeProjectFile(settings, {ImageItem{}});
  // Replace the first image's empty title by "Café €5" in Windows-1252.
  std::string title =
      "Caf\xE9 \x80"
      "5";
  std::size_t titleAt = 148 + 2;
  file.replace(titleAt, 2, std::string(1, static_cast<char>(title.size())) + '\0' + title);
  auto read = parseProjectFile(bytesOf(file));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->images.at(0).title, "Café €5");
}

TEST(ProjectFile, TextsThatFitWindows1252AreWrittenInIt) {
  ImageItem item;
  item.sourcePath = "é";
  std::string file = serializeProjectFile(GallerySettings{}, {item});
  EXPECT_EQ(file.substr(148, 3), std::string("\x01\x00\xE9", 3));
}

TEST(OldProjectFile, IsConvertedToCurrentImages) {
  GallerySettings settings = testing::sampleSettings();
  settings.defaultLinkText = "more";
  std::vector<OldImageItem> old(3);
  old[0] = {"C:\\pics\\photo.jpg", "One", "Tip one", "http://127.0.0.1/1", true, 5};
  old[1] = {"D:\\other\\photo.jpg", "Two", "", "", false, 0};
  old[2] = {"/home/u/x.y.png", "Three", "", "", false, 0};
  auto read = parseProjectFile(bytesOf(testing::makeOldProjectFile(settings, old)));
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->oldFormat);
  EXPECT_EQ(read->settings, settings);
  ASSERT_EQ(read->images.size(), 3u);
  EXPECT_EQ(read->images[0].sourcePath, "C:\\pics\\photo.jpg");
  EXPECT_EQ(read->images[0].title, "One");
  EXPECT_EQ(read->images[0].tooltip, "Tip one");
  EXPECT_EQ(read->images[0].linkUrl, "http://127.0.0.1/1");
  EXPECT_TRUE(read->images[0].openInSameWindow);
  EXPECT_FALSE(read->images[0].thumbnailCached);
  for (const auto& item : read->images) EXPECT_EQ(item.linkText, "more");
  // Base names are not made unique for old projects.
  EXPECT_EQ(read->images[0].outputBaseName, "photo");
  EXPECT_EQ(read->images[1].outputBaseName, "photo");
  EXPECT_EQ(read->images[2].outputBaseName, "x.y");
  EXPECT_EQ(read->images[2].spares, (std::array<std::string, 5>{}));
}

TEST(OldProjectFile, OnlyTheFirstCountRecordsAreUsed) {
  std::vector<OldImageItem> old(2);
  old[0].sourcePath = "a.jpg";
  old[1].sourcePath = "b.jpg";
  std::string file = testing::makeOldProjectFile(GallerySettings{}, old);
  file.replace(144, 4, std::string("\x01\0\0\0", 4));
  auto read = parseProjectFile(bytesOf(file));
  ASSERT_TRUE(read);
  ASSERT_EQ(read->images.size(), 1u);
  EXPECT_EQ(read->images[0].sourcePath, "a.jpg");
}

TEST(SettingsFile, AnOldProjectIsNoSettingsFile) {
  std::string old = testing::makeOldProjectFile(GallerySettings{}, {});
  EXPECT_FALSE(parseSettingsFile(bytesOf(old)));
  EXPECT_TRUE(parseProjectFile(bytesOf(old)));
}

TEST(DamagedFiles, EveryTruncationIsRefused) {
  std::string project = serializeProjectFile(testing::sampleSettings(), testing::sampleImages());
  std::string old = testing::makeOldProjectFile(GallerySettings{}, {OldImageItem{"p.jpg", "t", "", "", false, 0}});
  for (std::size_t size = 0; size < project.size(); ++size) {
    EXPECT_FALSE(parseProjectFile(bytesOf(project.substr(0, size)))) << "project cut at " << size;
  }
  for (std::size_t size = 0; size < old.size(); ++size) {
    EXPECT_FALSE(parseProjectFile(bytesOf(old.substr(0, size)))) << "old project cut at " << size;
  }
  std::string settings = serializeSettingsFile(testing::sampleSettings());
  for (std::size_t size = 0; size < settings.size(); ++size) {
    EXPECT_FALSE(parseSettingsFile(bytesOf(settings.substr(0, size)))) << "settings cut at " << size;
  }
}

TEST(DamagedFiles, CountsAndLengthsPastTheEndAreRefused) {
  std::string project = serializeProjectFile(GallerySettings{}, {ImageItem{}});
  for (std::string count : {std::string("\x02\0\0\0", 4), std::string("\xFF\xFF\xFF\x7F", 4),
                            std::string("\xFF\xFF\xFF\xFF", 4), std::string("\0\0\0\x80", 4)}) {
    std::string damaged = project;
    damaged.replace(144, 4, count);
    EXPECT_FALSE(parseProjectFile(bytesOf(damaged)));
  }
  std::string longText = project;
  longText.replace(148, 2, "\xFF\xFF");
  EXPECT_FALSE(parseProjectFile(bytesOf(longText)));

  std::string settings = serializeSettingsFile(GallerySettings{});
  settings.replace(18, 2, std::string("\x7F\x00", 2));
  EXPECT_FALSE(parseSettingsFile(bytesOf(settings)));
}

TEST(DamagedFiles, WrongHeadersAreRefused) {
  std::string project = serializeProjectFile(GallerySettings{}, {});
  for (std::string wrong : {header("VLR103"), header("vlr104"), std::string("VLR104\0\0\0\x01", 10)}) {
    std::string damaged = project;
    damaged.replace(0, 10, wrong);
    EXPECT_FALSE(parseProjectFile(bytesOf(damaged))) << wrong;
    EXPECT_FALSE(parseSettingsFile(bytesOf(damaged))) << wrong;
  }
}

TEST(DamagedFiles, InvalidUtf8TextsStillReadAsCharacters) {
  ImageItem item;
  item.title = "x";
  std::string file = serializeProjectFile(GallerySettings{}, {item});
  std::size_t titleAt = 148 + 2 + 2;
  file.replace(titleAt, 1, "\xC3");
  auto read = parseProjectFile(bytesOf(file));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->images[0].title, "Ã");
}

}  // namespace
}  // namespace velvara::core
