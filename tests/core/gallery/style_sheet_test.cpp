#include "core/gallery/StyleSheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/gallery/GalleryFileError.h"
#include "tests/support/TempDir.h"

namespace velvara::core {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

Lines sheetLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  const std::string text = buffer.str();
  Lines lines;
  std::string::size_type start = 0;
  for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size());
  return lines;
}

class StyleSheet : public ::testing::Test {
 protected:
  StyleSheet() {
    setDefaultSettings(settings, "Gallery", dir.path().string());
    settings.destFolder = (dir.path() / "web").string();
    fs::create_directories(library);
  }

  fs::path makeImage(const std::string& name, const std::string& content) {
    const fs::path path = dir.path() / name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  testing::TempDir dir;
  GallerySettings settings;
  fs::path library = dir.path() / "web" / "library";
};

TEST_F(StyleSheet, DefaultsGiveTheEighteenRules) {
  settings.pageBackImage = (dir.path() / "missing.jpg").string();
  writeStyleCss(settings);
  const Lines expected = {
      "body{background-color:#7F7F7F;}",
      "#divVLR {text-align:center; font: 11px Verdana,Arial, Helvetica, sans-serif;}",
      "#divVLR a:link, #divVLR a:visited {text-decoration:none;}",
      "#divVLR a:hover {color:red;text-decoration:underline;}",
      "#tblThumbsLayout {text-align:left; margin: 0 auto;}",
      "#tblGalleryName{margin-top:4px;}",
      "#currentGalleryLocation {font-weight:bold; font-size:12px;}",
      "td#galleryNameCell {font-size: 26px; font-weight:bold; color:#000080; margin: 6px 6px 0 0;}",
      "td#pagingCell {text-align:right; white-space:nowrap;}",
      ".currentPage {font-weight: bold;}",
      ".titlePages {font-size: 12px;font-weight: bold; color:#000080;}",
      "td#pagingCell a, .currentPage {font-size: 10px; padding: 3px 5px; border:1px solid #ccc;vertical-align:middle; "
      "}",
      "td#pagingCell a:hover, .currentPage {border: #666 1px solid; background-color:#fff; text-decoration:none;}",
      "#pnCell {text-align:right;}",
      "a.pn, a.pn:LINK,a.pn:VISITED {color: #606060; font: 9px arial, helvetica, sans-serif; text-decoration: none; "
      "padding: 1px 4px;}",
      "td.tdImg {width:160px; height:120px; border: 1px solid; border-color:#aaaaaa #666666 #666666 #aaaaaa; "
      "vertical-align: top; text-align:center;background-color:#7F7F7F}",
      "img.eImage {border:1px solid; border-color:#FFFFFF;}",
      "font.tdTitle { text-align:center; vertical-align:bottom; font:10px Verdana,Arial, Helvetica, sans-serif; "
      "font-weight:normal; color:#FFFFFF;}",
  };
  EXPECT_EQ(sheetLines(library / "ktvlr.css"), expected);
  EXPECT_EQ(std::distance(fs::directory_iterator(library), fs::directory_iterator()), 1);
}

TEST_F(StyleSheet, BackgroundImagesAreCopiedBesideTheSheet) {
  settings.pageBackImage = makeImage("paper.jpg", "page v1").string();
  settings.cellBackImage = makeImage("it's 100%.png", "cell").string();
  writeStyleCss(settings);
  makeImage("paper.jpg", "page v2");
  writeStyleCss(settings);

  const Lines lines = sheetLines(library / "ktvlr.css");
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "body{ background-image:url('paper.jpg'); background-color:#7F7F7F;}");
  EXPECT_EQ(lines[15],
            "td.tdImg {width:160px; height:120px; border: 1px solid; border-color:#aaaaaa #666666 #666666 #aaaaaa; "
            "vertical-align: top; text-align:center;background-image:url('it\\'s 100%25.png'); "
            "background-color:#7F7F7F}");
  std::ifstream copy(library / "paper.jpg");
  std::string content;
  std::getline(copy, content);
  EXPECT_EQ(content, "page v2");
  EXPECT_TRUE(fs::exists(library / "it's 100%.png"));
}

TEST_F(StyleSheet, BackgroundNamesStayOneLineAndFoldersAreNoImages) {
  settings.pageBackImage = makeImage("two\nlines.jpg", "page").string();
  fs::create_directories(dir.path() / "folder.jpg");
  settings.cellBackImage = (dir.path() / "folder.jpg").string();
  writeStyleCss(settings);
  const Lines lines = sheetLines(library / "ktvlr.css");
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "body{ background-image:url('two%0Alines.jpg'); background-color:#7F7F7F;}");
  EXPECT_TRUE(fs::exists(library / "two\nlines.jpg"));
  EXPECT_NE(lines[15].find("text-align:center;background-color:#7F7F7F}"), std::string::npos) << lines[15];
  EXPECT_FALSE(fs::exists(library / "folder.jpg"));
}

TEST_F(StyleSheet, NonAsciiFontNamesAreEscaped) {
  settings.titleFontName = "Fran\xC3\xA7ois";
  writeStyleCss(settings);
  EXPECT_EQ(sheetLines(library / "ktvlr.css")[1],
            "#divVLR {text-align:center; font: 11px Fran\\E7 ois,Arial, Helvetica, sans-serif;}");
}

TEST_F(StyleSheet, MissingLibraryFolderIsThrownWithThePath) {
  fs::remove_all(library);
  try {
    writeStyleCss(settings);
    FAIL() << "no error";
  } catch (const GalleryFileError& error) {
    EXPECT_EQ(error.path(), (library / "ktvlr.css").string());
    EXPECT_EQ(error.number(), ENOENT);
  }
}

}  // namespace
}  // namespace velvara::core
