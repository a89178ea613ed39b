#include "core/gallery/LightboxPackage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "assets/Assets.h"
#include "core/gallery/GalleryFileError.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

namespace velvara::core {
namespace {

namespace fs = std::filesystem;
using testing::FakeHost;
using testing::TempDir;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::vector<std::string> crlfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "the last line is not ended by CR LF";
  return lines;
}

const char* const kScripts[] = {"effects.js", "builder.js", "lightbox.js", "prototype.js", "scriptaculous.js"};
const char* const kImages[] = {"close", "closelabel", "nextlabel", "prevlabel", "loading"};

TEST(SplitLightboxStyle, EmptyStyleBecomesTheDefaultInTheSettingToo) {
  std::string style;
  LightboxStyle out;
  splitLightboxStyle(style, out);
  EXPECT_EQ(style, kDefaultLightboxStyle);
  EXPECT_EQ(out.overlayColor, "#000000");
  EXPECT_EQ(out.imageBoxColor, "#ffffff");
  EXPECT_EQ(out.captionBackColor, "#ffffff");
  EXPECT_EQ(out.captionFont, "10px Verdana, Helvetica, sans-serif");
  EXPECT_EQ(out.captionWeight, "bold");
  EXPECT_EQ(out.captionColor, "#666666");
}

TEST(SplitLightboxStyle, MissingFieldsKeepTheirValuesAndExtraFieldsAreIgnored) {
  std::string style = "#111111*#222222";
  LightboxStyle out;
  out.captionColor = "kept";
  splitLightboxStyle(style, out);
  EXPECT_EQ(out.overlayColor, "#111111");
  EXPECT_EQ(out.imageBoxColor, "#222222");
  EXPECT_EQ(out.captionFont, "");
  EXPECT_EQ(out.captionColor, "kept");

  style = "a*b*c* d *e*f*g";
  splitLightboxStyle(style, out);
  EXPECT_EQ(out.captionFont, " d ");
  EXPECT_EQ(out.captionColor, "f");
}

TEST(SplitCssFont, SizeAndFamilies) {
  const auto check = [](const std::string& font, int size, const char* f1, const char* f2, const char* f3) {
    const CssFont result = splitCssFont(font);
    EXPECT_EQ(result.sizePx, size) << font;
    EXPECT_EQ(result.family1, f1) << font;
    EXPECT_EQ(result.family2, f2) << font;
    EXPECT_EQ(result.family3, f3) << font;
  };
  check("12px Arial", 12, "Arial", "Helvetica", "sans-serif");
  check("4px Tahoma, serif", 6, "Tahoma", "serif", "sans-serif");
  check("bold", 6, "Verdana", "Helvetica", "sans-serif");
  check("10.5px Verdana", 10, "Verdana", "Helvetica", "sans-serif");
  check("11.5px Verdana", 12, "Verdana", "Helvetica", "sans-serif");
  check("14px A,   ,C,D,E", 14, "A", "", "C");
  check("200px A,,B", 200, "A", "Helvetica", "B");
  check("", 6, "Verdana", "Helvetica", "sans-serif");
  check(" +13px Arial", 13, "Arial", "Helvetica", "sans-serif");
  check("-12px Arial", 6, "Arial", "Helvetica", "sans-serif");
  // Numbers beyond a double's range neither throw nor wrap.
  check("1" + std::string(400, '0') + "px Arial", 2147483647, "Arial", "Helvetica", "sans-serif");
  check("0." + std::string(400, '0') + "1px Arial", 6, "Arial", "Helvetica", "sans-serif");
}

const std::vector<std::string> kCssWithDefaults = {
    "#lightbox{ position: absolute; left: 0; width: 100%; z-index: 100; text-align: center; line-height: 0;}",
    "#lightbox img{ width: auto; height: auto;}",
    "#lightbox a img{ border: none; }",
    "#outerImageContainer{ position: relative; background-color: #ffffff; width: 250px; height: 250px; margin: 0 "
    "auto;}",
    "#imageContainer{ padding: 10px; }",
    "#loading{ position: absolute; top: 40%; left: 0%; height: 25%; width: 100%; text-align: center; line-height: "
    "0;}",
    "#hoverNav{ position: absolute; top: 0; left: 0; height: 100%; width: 100%; z-index: 10;}",
    "#imageContainer>#hoverNav{ left: 0;}",
    "#hoverNav a{ outline: none;}",
    "#prevLink, #nextLink{ width: 49%; height: 100%; background-image: url(data:image/gif;base64,AAAA); /* Trick IE "
    "into showing hover */ display: block;}",
    "#prevLink { left: 0; float: left;}",
    "#nextLink { right: 0; float: right;}",
    "#prevLink:hover, #prevLink:visited:hover { background: url(images/prevlabel.gif) left 15% no-repeat; }",
    "#nextLink:hover, #nextLink:visited:hover { background: url(images/nextlabel.gif) right 15% no-repeat; }",
    "#imageDataContainer{ font: 10px Verdana, Helvetica, sans-serif; background-color: #ffffff; margin: 0 auto; "
    "line-height: 1.4em; overflow: auto; width: 100%;}",
    "#imageData{ padding:0 10px; color: #666666; }",
    "#imageData #imageDetails{ width: 70%; float: left; text-align: left; }",
    "#imageData #caption{ font-weight: bold;}",
    "#imageData #numberDisplay{ font: 10px Verdana; display: block; clear: left; padding-bottom: 1.0em; }",
    "#imageData #bottomNavClose{ width: 66px; float: right;  padding-bottom: 0.7em; outline: none;}",
    "#overlay{ position: absolute; top: 0; left: 0; z-index: 90; width: 100%; height: 500px; background-color: "
    "#000000; }",
};

TEST(LightboxCss, EmptyStyleWritesTheDefaultLines) {
  TempDir dir;
  GallerySettings settings;
  writeLightboxCss(settings, dir.file("lightbox.css"));
  EXPECT_EQ(crlfLines(readFile(dir.file("lightbox.css"))), kCssWithDefaults);
  EXPECT_EQ(normalisedLightboxStyle(settings.lightboxStyle), kDefaultLightboxStyle);
}

TEST(LightboxCss, TwoFieldStyleLeavesTheOtherValuesEmpty) {
  TempDir dir;
  GallerySettings settings;
  settings.lightboxStyle = "#123456*#abcdef";
  writeLightboxCss(settings, dir.file("lightbox.css"));
  const auto lines = crlfLines(readFile(dir.file("lightbox.css")));
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[3],
            "#outerImageContainer{ position: relative; background-color: #abcdef; width: 250px; height: 250px; margin: "
            "0 auto;}");
  EXPECT_EQ(lines[14],
            "#imageDataContainer{ font: ; background-color: ; margin: 0 auto; line-height: 1.4em; overflow: auto; "
            "width: 100%;}");
  EXPECT_EQ(lines[15], "#imageData{ padding:0 10px; color: ; }");
  EXPECT_EQ(lines[17], "#imageData #caption{ font-weight: ;}");
  EXPECT_EQ(lines[20],
            "#overlay{ position: absolute; top: 0; left: 0; z-index: 90; width: 100%; height: 500px; "
            "background-color: #123456; }");
}

TEST(LightboxCss, NonAsciiFontNamesAreEscaped) {
  TempDir dir;
  GallerySettings settings;
  settings.lightboxStyle = "#000000*#ffffff*#ffffff*10px Caf\xC3\xA9*bold*#666666";
  writeLightboxCss(settings, dir.file("lightbox.css"));
  const auto lines = crlfLines(readFile(dir.file("lightbox.css")));
  EXPECT_NE(lines[14].find("font: 10px Caf\\E9 ;"), std::string::npos) << lines[14];
}

class LightboxFiles : public ::testing::Test {
 protected:
  bool write(bool clearFolder) { return writeLightboxFiles(host, settings, folder.string(), clearFolder, true); }

  TempDir dir;
  fs::path folder = dir.path() / "gallery";
  FakeHost host;
  GallerySettings settings;
};

TEST_F(LightboxFiles, MissingFolderIsCreatedWithoutAQuestionAndFilled) {
  ASSERT_TRUE(write(true));
  EXPECT_TRUE(host.messages.empty());
  for (const char* script : kScripts) {
    const auto asset = assets::find("LIGHTBOX204", script);
    ASSERT_TRUE(asset) << script;
    std::string expected(reinterpret_cast<const char*>(asset->data()), asset->size());
    while (!expected.empty() && expected.back() == '\0') expected.pop_back();
    EXPECT_EQ(readFile(folder / script), expected) << script;
  }
  for (const char* image : kImages) {
    const auto asset = assets::find("LIGHTBOX204", image);
    ASSERT_TRUE(asset) << image;
    EXPECT_EQ(readFile(folder / "images" / (std::string(image) + ".gif")),
              std::string(reinterpret_cast<const char*>(asset->data()), asset->size()));
  }
  EXPECT_EQ(crlfLines(readFile(folder / "lightbox.css")), kCssWithDefaults);
  EXPECT_TRUE(fs::is_directory(folder / "library"));
  EXPECT_FALSE(fs::exists(folder / "LIGHTBOX.CSS.asset"));
}

TEST_F(LightboxFiles, FolderWithOnlySubfoldersAsksNothingAndEmptiesImages) {
  fs::create_directories(folder / "thumbs");
  fs::create_directories(folder / "images");
  writeFile(folder / "thumbs" / "a.jpg", "old thumb");
  writeFile(folder / "images" / "stale.gif", "stale");
  ASSERT_TRUE(write(true));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(fs::exists(folder / "thumbs" / "a.jpg"));
  EXPECT_FALSE(fs::exists(folder / "images" / "stale.gif"));
}

TEST_F(LightboxFiles, AnsweringNoLeavesEveryFile) {
  fs::create_directories(folder / "images");
  writeFile(folder / "vlr.html", "old page");
  writeFile(folder / "lightbox.js", "old script");
  writeFile(folder / "images" / "close.gif", "old image");
  host.answers.push_back(MessageAnswer::No);
  EXPECT_FALSE(write(true));
  ASSERT_EQ(host.messages.size(), 1u);
  const Message& question = host.messages[0];
  EXPECT_EQ(question.icon, MessageIcon::Question);
  EXPECT_EQ(question.buttons, MessageButtons::YesNo);
  EXPECT_EQ(question.title, std::string());
  EXPECT_EQ(question.text, "The destination folder \r\n'" + folder.string() + "'\r\nis not empty!    Proceed anyway?");
  EXPECT_EQ(readFile(folder / "vlr.html"), "old page");
  EXPECT_EQ(readFile(folder / "lightbox.js"), "old script");
  EXPECT_EQ(readFile(folder / "images" / "close.gif"), "old image");
  EXPECT_FALSE(fs::exists(folder / "library"));
}

TEST_F(LightboxFiles, AnsweringYesDeletesTheFilesButNotTheSubfolders) {
  fs::create_directories(folder / "photos");
  writeFile(folder / "vlr.html", "old page");
  writeFile(folder / "notes.txt", "mine");
  writeFile(folder / "photos" / "a.jpg", "photo");
  host.answers.push_back(MessageAnswer::Yes);
  ASSERT_TRUE(write(true));
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_FALSE(fs::exists(folder / "vlr.html"));
  EXPECT_FALSE(fs::exists(folder / "notes.txt"));
  EXPECT_EQ(readFile(folder / "photos" / "a.jpg"), "photo");
  EXPECT_TRUE(fs::exists(folder / "lightbox.css"));
}

TEST_F(LightboxFiles, HtmlOnlyDeletesNothingRewritesScriptsAndKeepsImages) {
  fs::create_directories(folder / "images");
  writeFile(folder / "vlr.html", "old page");
  writeFile(folder / "lightbox.js", "old script");
  writeFile(folder / "lightbox.css", "old sheet");
  writeFile(folder / "images" / "close.gif", "my own close image");
  ASSERT_TRUE(write(false));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(readFile(folder / "vlr.html"), "old page");
  EXPECT_NE(readFile(folder / "lightbox.js"), "old script");
  EXPECT_EQ(crlfLines(readFile(folder / "lightbox.css")), kCssWithDefaults);
  EXPECT_EQ(readFile(folder / "images" / "close.gif"), "my own close image");
  EXPECT_TRUE(fs::exists(folder / "images" / "loading.gif"));
}

TEST_F(LightboxFiles, MissingParentGivesTheErrorBoxTitledWithTheFolder) {
  folder = dir.path() / "no such parent" / "gallery";
  EXPECT_FALSE(write(true));
  ASSERT_EQ(host.messages.size(), 1u);
  const Message& box = host.messages[0];
  EXPECT_EQ(box.icon, MessageIcon::Critical);
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
  EXPECT_EQ(box.title, folder.string());
  EXPECT_EQ(box.text, "Error number:" + std::to_string(ENOENT) + "\r\nError description:No such file or directory");
  EXPECT_FALSE(fs::exists(folder));
}

TEST_F(LightboxFiles, ImagesPathTakenByAFileGivesTheErrorBoxOfTheImagesFolder) {
  fs::create_directories(folder);
  writeFile(folder / "images", "a file in the way");
  EXPECT_FALSE(write(false));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, (folder / "images").string());
  EXPECT_EQ(host.messages[0].text.rfind("Error number:", 0), 0u);
  EXPECT_NE(host.messages[0].text.find("\r\nError description:"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "library"));
}

TEST_F(LightboxFiles, LibraryPathTakenByAFileGivesTheErrorBoxOfTheLibraryFolder) {
  fs::create_directories(folder);
  writeFile(folder / "library", "a file in the way");
  EXPECT_FALSE(write(false));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(host.messages[0].title, (folder / "library").string());
  EXPECT_TRUE(fs::exists(folder / "lightbox.css"));
}

// Writing the package's own files lies outside the folder steps: a failure
// there is no error box and no False, but an error for the build to report.
TEST_F(LightboxFiles, AFileThatCannotBeWrittenIsThrownWithItsPath) {
  fs::create_directories(folder / "lightbox.css" / "in the way");
  try {
    write(true);
    FAIL() << "no error";
  } catch (const GalleryFileError& error) {
    EXPECT_EQ(error.path(), (folder / "lightbox.css").string());
  }
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(fs::exists(folder / "scriptaculous.js"));
}

TEST_F(LightboxFiles, WithoutScriptsOnlyTheFoldersAreMade) {
  ASSERT_TRUE(writeLightboxFiles(host, settings, folder.string(), true, false));
  EXPECT_TRUE(fs::is_directory(folder / "library"));
  EXPECT_FALSE(fs::exists(folder / "images"));
  EXPECT_FALSE(fs::exists(folder / "lightbox.css"));
}

}  // namespace
}  // namespace velvara::core
