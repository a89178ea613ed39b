#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/files/TextExchange.h"
#include "core/files/TextExchangeFormat.h"
#include "tests/support/FakeHost.h"
#include "tests/support/SampleFiles.h"
#include "tests/support/TempDir.h"

namespace velvara::core {
namespace {

std::vector<ImageItem> parse(const std::string& text) { return parseTextExchange(text); }

TEST(TextExchangeFormat, WritesNineLinesPerImage) {
  ImageItem item;
  item.sourcePath = "/p/a.jpg";
  item.title = "T";
  item.openInSameWindow = true;
  EXPECT_EQ(formatTextExchange({item}),
            "{\r\npath=/p/a.jpg\r\ntitle=T\r\ntooltip=\r\nurl=\r\nurl_text=\r\nopen=self\r\n}\r\n\r\n");
}

TEST(TextExchangeFormat, KeysMatchExactlyAndValuesAreTrimmed) {
  auto images = parse(
      "  {  \n"
      "   path=  /p/a.jpg  \n"
      "PATH=/wrong\n"
      "path =/wrong\n"
      "title=  My title \n"
      "url_text=go\n"
      "url=http://127.0.0.1/\n"
      "tooltip=tip\n"
      "title=second title\n"
      "unknown=1\n"
      "  }\n");
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].sourcePath, "/p/a.jpg");
  EXPECT_EQ(images[0].title, "second title");
  EXPECT_EQ(images[0].tooltip, "tip");
  EXPECT_EQ(images[0].linkUrl, "http://127.0.0.1/");
  EXPECT_EQ(images[0].linkText, "go");
  EXPECT_EQ(images[0].outputBaseName, "");
  EXPECT_FALSE(images[0].thumbnailCached);
}

TEST(TextExchangeFormat, OpenIsSelfOnlyRightAfterTheEqualsSign) {
  struct Case {
    const char* line;
    bool self;
  } cases[] = {{"open=self", true},   {"   open=self   ", true}, {"open=Self", false},
               {"open= self", false}, {"open=blank", false},     {"open=selfish", false}};
  for (const auto& c : cases) {
    auto images = parse(std::string("{\r\npath=x\r\nopen=self\r\n") + c.line + "\r\n}\r\n");
    ASSERT_EQ(images.size(), 1u) << c.line;
    EXPECT_EQ(images[0].openInSameWindow, c.self) << c.line;
  }
}

TEST(TextExchangeFormat, BlocksWithoutPathOrEndAreDropped) {
  EXPECT_TRUE(parse("path=/a.jpg\r\n}\r\n").empty());
  EXPECT_TRUE(parse("{\r\ntitle=no path\r\n}\r\n{\r\npath=\r\n}\r\n").empty());
  EXPECT_TRUE(parse("{\r\npath=/a.jpg\r\n").empty());
  EXPECT_TRUE(parse("").empty());
}

TEST(TextExchangeFormat, AMissingEndSwallowsTheNextBlock) {
  auto images = parse(
      "{\npath=/first.jpg\ntitle=first\n\n"
      "{\npath=/second.jpg\n}\n"
      "{\npath=/third.jpg\ntitle=third\n}\n");
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].sourcePath, "/second.jpg");
  EXPECT_EQ(images[0].title, "first");
  EXPECT_EQ(images[1].sourcePath, "/third.jpg");
}

TEST(TextExchangeFormat, LinesMayEndInCrLfLfOrCr) {
  auto images = parse("{\rpath=/a.jpg\r\ntitle=t\n}");
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].title, "t");
}

TEST(TextExchangeFormat, NonWesternAndWindows1252ValuesReadAsCharacters) {
  auto images = parse("{\r\npath=/p/\xE9t\xE9.jpg\r\ntitle=夏の写真\r\ntooltip=\x80 caf\xC3\r\n}\r\n");
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].sourcePath, "/p/été.jpg");
  EXPECT_EQ(images[0].title, "夏の写真");
  EXPECT_EQ(images[0].tooltip, "€ cafÃ");
}

class TextExchangeTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  testing::FakeHost host;
  Project project;
  KeyedCollection<std::string> urlHistory;
};

TEST_F(TextExchangeTest, ExportThenImportGivesTheSameImages) {
  for (auto item : testing::sampleImages()) {
    item.title = "  " + item.title + " ";
    project.images.append(item, {});
  }
  std::string path = dir.file("list.txt");
  ASSERT_TRUE(exportText(host, project.images, path));

  Project other;
  other.settings.webTitle = "kept";
  other.projectFile = "/kept.vlr";
  auto result = importText(host, other, urlHistory, path);
  EXPECT_TRUE(result.ok);
  EXPECT_TRUE(result.replaced);
  ASSERT_EQ(other.images.count(), 2);
  EXPECT_EQ(other.images.capacity(), 102);
  for (std::int32_t i = 0; i < 2; ++i) {
    const auto& before = project.images.item(i);
    const auto& after = other.images.item(i);
    EXPECT_EQ(after.sourcePath, before.sourcePath);
    EXPECT_EQ(after.title, testing::sampleImages()[i].title);
    EXPECT_EQ(after.tooltip, before.tooltip);
    EXPECT_EQ(after.linkUrl, before.linkUrl);
    EXPECT_EQ(after.linkText, before.linkText);
    EXPECT_EQ(after.openInSameWindow, before.openInSameWindow);
    EXPECT_FALSE(after.thumbnailCached);
  }
  EXPECT_EQ(other.images.item(0).outputBaseName, "dom");
  EXPECT_EQ(other.settings.webTitle, "kept");
  EXPECT_EQ(other.projectFile, "/kept.vlr");
  EXPECT_EQ(host.setValuesCalls, 1);
  EXPECT_TRUE(urlHistory.contains("HTTP://127.0.0.1/DOM"));
}

TEST_F(TextExchangeTest, SameFileNamesInDifferentFoldersGetUniqueBaseNames) {
  std::string path = dir.file("list.txt");
  std::ofstream(path) << "{\npath=/a/name.jpg\n}\n{\npath=/b/name.png\n}\n{\npath=/c/name_1.jpg\n}\n";
  ASSERT_TRUE(importText(host, project, urlHistory, path).replaced);
  EXPECT_EQ(project.images.item(0).outputBaseName, "name");
  EXPECT_EQ(project.images.item(1).outputBaseName, "name_1");
  EXPECT_EQ(project.images.item(2).outputBaseName, "name_1_1");
}

TEST_F(TextExchangeTest, AFileWithoutImagesChangesNothing) {
  project.images.append(ImageItem{}, {});
  std::string path = dir.file("list.txt");
  std::ofstream(path) << "no blocks here\n{\ntitle=x\n}\n";
  auto result = importText(host, project, urlHistory, path);
  EXPECT_TRUE(result.ok);
  EXPECT_FALSE(result.replaced);
  EXPECT_EQ(project.images.count(), 1);
  EXPECT_EQ(host.setValuesCalls, 0);
}

TEST_F(TextExchangeTest, AnUnreadableFileIsReportedAndChangesNothing) {
  project.images.append(ImageItem{}, {});
  std::string path = dir.file("missing.txt");
  auto result = importText(host, project, urlHistory, path);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(project.images.count(), 1);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(host.messages[0].text, path + ": " + std::make_error_code(std::errc::no_such_file_or_directory).message());
}

TEST_F(TextExchangeTest, ExportingAnEmptyProjectLeavesAFileUntouched) {
  std::string path = dir.file("list.txt");
  std::ofstream(path) << "before";
  EXPECT_TRUE(exportText(host, project.images, path));
  std::ifstream in(path);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "before");
}

// A line break inside a value would end its line: the rest would read back as
// a line of its own, a wrong path or a key of its own. The export names the
// image and the field and leaves the old file as it was.
TEST_F(TextExchangeTest, AValueHoldingALineBreakIsRefusedBeforeAnythingIsWritten) {
  const struct {
    std::string ImageItem::*field;
    const char* name;
    const char* breakText;
  } cases[] = {{&ImageItem::sourcePath, "Source file", "\n"},
               {&ImageItem::title, "Title", "\r\n"},
               {&ImageItem::tooltip, "Tooltip", "\r"},
               {&ImageItem::linkUrl, "Link", "\n"},
               {&ImageItem::linkText, "Link text", "\n"}};
  const std::string path = dir.file("list.txt");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::ofstream(path) << "before";
    host.messages.clear();
    project.images.clear();
    ImageItem first;
    first.sourcePath = "/photos/first.jpg";
    ImageItem second;
    second.sourcePath = "/photos/second.jpg";
    second.*c.field = std::string(c.field == &ImageItem::sourcePath ? "/photos/two" : "two") + c.breakText +
                      (c.field == &ImageItem::sourcePath ? "lines/second.jpg" : "lines");
    project.images.append(first, {});
    project.images.append(second, {});
    EXPECT_FALSE(exportText(host, project.images, path));
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "before");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(host.messages[0].title, path);
    EXPECT_EQ(
        host.messages[0].text,
        "The field \"" + std::string(c.name) +
            "\" of image 2 (second.jpg) holds a line break, which a text export cannot hold: each value stands on "
            "a line of its own. Nothing was exported.");
  }
}

TEST_F(TextExchangeTest, AnExportThatCannotBeWrittenIsReported) {
  project.images.append(ImageItem{}, {});
  std::string path = dir.file("no folder/list.txt");
  EXPECT_FALSE(exportText(host, project.images, path));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, path);
}

}  // namespace
}  // namespace velvara::core
