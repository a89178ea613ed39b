#include "core/gallery/ShadowboxPackage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/Assets.h"
#include "core/gallery/GalleryFileError.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using velvara::core::MessageAnswer;
using velvara::core::MessageButtons;
using velvara::core::MessageIcon;
using velvara::core::writeShadowboxBinary;
using velvara::core::writeShadowboxFiles;
using velvara::core::writeShadowboxText;
using velvara::testing::FakeHost;
using velvara::testing::TempDir;

namespace {

struct PackageFile {
  const char* path;  // below the gallery folder
  bool binary;
};

const std::vector<PackageFile> kPackage = {
    {"src/shadowbox.js", false},
    {"src/adapter/shadowbox-base.js", false},
    {"src/lang/shadowbox-en.js", false},
    {"src/player/shadowbox-flv.js", false},
    {"src/player/shadowbox-html.js", false},
    {"src/player/shadowbox-iframe.js", false},
    {"src/player/shadowbox-img.js", false},
    {"src/player/shadowbox-qt.js", false},
    {"src/player/shadowbox-swf.js", false},
    {"src/player/shadowbox-wmp.js", false},
    {"src/skin/classic/loading.gif", true},
    {"src/skin/classic/icons.psd", true},
    {"src/skin/classic/skin.css", false},
    {"src/skin/classic/skin.js", false},
    {"src/skin/classic/icons/close.png", true},
    {"src/skin/classic/icons/next.png", true},
    {"src/skin/classic/icons/pause.png", true},
    {"src/skin/classic/icons/play.png", true},
    {"src/skin/classic/icons/previous.png", true},
};

const std::vector<std::string> kFolders = {
    "src",     "src/adapter", "src/lang", "src/player", "src/skin", "src/skin/classic", "src/skin/classic/icons",
    "library", "gallery"};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
}

std::string assetText(const std::string& name, bool cutPadding) {
  auto bytes = velvara::assets::find("SHADOWBOX", name);
  EXPECT_TRUE(bytes.has_value()) << name;
  if (!bytes) return {};
  std::string text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  while (cutPadding && !text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

std::string questionFor(const std::string& folder) {
  return "The destination folder \r\n'" + folder + "'\r\nis not empty!    Proceed anyway?";
}

class ShadowboxPackageTest : public ::testing::Test {
 protected:
  TempDir temp;
  FakeHost host;
  std::string gallery = temp.file("My Gallery");
};

TEST_F(ShadowboxPackageTest, FirstBuildMakesTheWholeTreeWithoutAsking) {
  ASSERT_TRUE(writeShadowboxFiles(host, gallery, true));

  EXPECT_TRUE(host.messages.empty());
  for (const auto& folder : kFolders) EXPECT_TRUE(fs::is_directory(fs::path(gallery) / folder)) << folder;
  for (const auto& file : kPackage) {
    const std::string name = fs::path(file.path).filename().string();
    EXPECT_EQ(readFile(fs::path(gallery) / file.path), assetText(name, !file.binary)) << file.path;
  }
  EXPECT_TRUE(fs::is_empty(fs::path(gallery) / "library"));
  EXPECT_TRUE(fs::is_empty(fs::path(gallery) / "gallery"));
}

TEST_F(ShadowboxPackageTest, DecliningTheQuestionChangesNothing) {
  fs::create_directory(gallery);
  writeFile(fs::path(gallery) / "index.html", "old page");
  host.answers.push_back(MessageAnswer::No);

  EXPECT_FALSE(writeShadowboxFiles(host, gallery, true));

  ASSERT_EQ(host.messages.size(), 1u);
  const auto& question = host.messages[0];
  EXPECT_EQ(question.icon, MessageIcon::Question);
  EXPECT_EQ(question.buttons, MessageButtons::YesNo);
  EXPECT_EQ(question.title, std::optional<std::string>(""));
  EXPECT_EQ(question.text, questionFor(gallery));
  EXPECT_EQ(readFile(fs::path(gallery) / "index.html"), "old page");
  EXPECT_FALSE(fs::exists(fs::path(gallery) / "src"));
}

TEST_F(ShadowboxPackageTest, AgreeingDeletesOnlyTheFilesDirectlyInTheFolder) {
  fs::create_directories(fs::path(gallery) / "photos");
  writeFile(fs::path(gallery) / "index.html", "old page");
  writeFile(fs::path(gallery) / "vlr1.html", "old page");
  writeFile(fs::path(gallery) / "photos" / "a.jpg", "jpeg");
  host.answers.push_back(MessageAnswer::Yes);

  EXPECT_TRUE(writeShadowboxFiles(host, gallery, true));

  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_FALSE(fs::exists(fs::path(gallery) / "index.html"));
  EXPECT_FALSE(fs::exists(fs::path(gallery) / "vlr1.html"));
  EXPECT_EQ(readFile(fs::path(gallery) / "photos" / "a.jpg"), "jpeg");
}

TEST_F(ShadowboxPackageTest, AFolderWithOnlySubfoldersRaisesNoQuestion) {
  fs::create_directories(fs::path(gallery) / "thumbs");
  writeFile(fs::path(gallery) / "thumbs" / "a.jpg", "jpeg");
  writeFile(fs::path(gallery) / "thumbs" / "b.jpg", "jpeg");

  EXPECT_TRUE(writeShadowboxFiles(host, gallery, true));

  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(fs::exists(fs::path(gallery) / "thumbs" / "a.jpg"));
  EXPECT_TRUE(fs::exists(fs::path(gallery) / "thumbs" / "b.jpg"));
}

TEST_F(ShadowboxPackageTest, WithoutClearFolderFilesStayAndNothingIsAsked) {
  fs::create_directory(gallery);
  writeFile(fs::path(gallery) / "index.html", "old page");

  EXPECT_TRUE(writeShadowboxFiles(host, gallery, false));

  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(readFile(fs::path(gallery) / "index.html"), "old page");
}

TEST_F(ShadowboxPackageTest, SecondBuildRewritesTextAndKeepsBinaryFiles) {
  ASSERT_TRUE(writeShadowboxFiles(host, gallery, true));
  const fs::path classic = fs::path(gallery) / "src" / "skin" / "classic";
  writeFile(classic / "skin.css", "edited by hand");
  writeFile(fs::path(gallery) / "src" / "shadowbox.js", "edited by hand");
  writeFile(classic / "loading.gif", "a different animation");
  writeFile(classic / "icons" / "play.png", "a different icon");
  fs::remove(classic / "icons" / "close.png");
  writeFile(fs::path(gallery) / "src" / "skin" / "classic" / "icons" / "mine.png", "kept");

  ASSERT_TRUE(writeShadowboxFiles(host, gallery, true));

  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(readFile(classic / "skin.css"), assetText("skin.css", true));
  EXPECT_EQ(readFile(fs::path(gallery) / "src" / "shadowbox.js"), assetText("shadowbox.js", true));
  EXPECT_EQ(readFile(classic / "loading.gif"), "a different animation");
  EXPECT_EQ(readFile(classic / "icons" / "play.png"), "a different icon");
  EXPECT_EQ(readFile(classic / "icons" / "close.png"), assetText("close.png", false));
  EXPECT_EQ(readFile(classic / "icons" / "mine.png"), "kept");
}

TEST_F(ShadowboxPackageTest, AFailingPlayerScriptStopsBeforeTheSkin) {
  // A folder with content where a player script goes cannot be replaced.
  const fs::path player = fs::path(gallery) / "src" / "player";
  fs::create_directories(player / "shadowbox-img.js");
  writeFile(player / "shadowbox-img.js" / "keep.txt", "x");

  EXPECT_FALSE(writeShadowboxFiles(host, gallery, true));

  ASSERT_EQ(host.messages.size(), 1u);
  const auto& box = host.messages[0];
  EXPECT_EQ(box.icon, MessageIcon::Critical);
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
  EXPECT_EQ(box.title, std::optional<std::string>(gallery + "/src/player"));
  EXPECT_EQ(box.text.rfind("Error number:" + std::to_string(ENOTEMPTY) + "\r\nError description:", 0), 0u) << box.text;
  EXPECT_TRUE(fs::exists(player / "shadowbox-iframe.js"));
  EXPECT_FALSE(fs::exists(player / "shadowbox-qt.js"));
  EXPECT_FALSE(fs::exists(fs::path(gallery) / "src" / "skin"));
  EXPECT_FALSE(fs::exists(fs::path(gallery) / "library"));
}

TEST_F(ShadowboxPackageTest, EachStepIsTitledWithItsOwnFolder) {
  struct Case {
    const char* blocked;  // a file where this folder must go
    const char* title;
    const char* notMade;  // the next step's folder; none after the last step
  };
  const std::vector<Case> cases = {
      {"src", "/src", "src/adapter"},
      {"src/adapter", "/src/adapter", "src/lang"},
      {"src/lang", "/src/lang", "src/player"},
      {"src/skin", "/src/skin", "src/skin/classic"},
      {"src/skin/classic", "/src/skin/classic", "src/skin/classic/icons"},
      {"src/skin/classic/icons", "/src/skin/classic/icons", "library"},
      {"library", "/library", "gallery"},
      {"gallery", "/gallery", nullptr},
  };
  for (const auto& c : cases) {
    TempDir dir;
    FakeHost fresh;
    const std::string folder = dir.file("g");
    fs::create_directories((fs::path(folder) / c.blocked).parent_path());
    writeFile(fs::path(folder) / c.blocked, "in the way");

    EXPECT_FALSE(writeShadowboxFiles(fresh, folder, false)) << c.blocked;

    ASSERT_EQ(fresh.messages.size(), 1u) << c.blocked;
    EXPECT_EQ(fresh.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(fresh.messages[0].title, std::optional<std::string>(folder + c.title));
    if (c.notMade) {
      EXPECT_FALSE(fs::exists(fs::path(folder) / c.notMade)) << c.notMade;
    }
  }
}

TEST_F(ShadowboxPackageTest, AMissingParentIsReportedUnderTheGalleryFolder) {
  const std::string folder = temp.file("missing/gallery");

  EXPECT_FALSE(writeShadowboxFiles(host, folder, true));

  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(host.messages[0].title, std::optional<std::string>(folder));
  EXPECT_EQ(host.messages[0].text.rfind("Error number:" + std::to_string(ENOENT) + "\r\n", 0), 0u);
  EXPECT_FALSE(fs::exists(temp.file("missing")));
}

TEST_F(ShadowboxPackageTest, AssetWritersKeepTheirOwnRules) {
  fs::create_directory(gallery);
  writeFile(fs::path(gallery) / "next.png", "mine");
  writeFile(fs::path(gallery) / "skin.js", "mine");

  writeShadowboxBinary("next.png", gallery);
  writeShadowboxBinary("PAUSE.PNG", gallery);
  writeShadowboxText(host, "skin.js", gallery);

  EXPECT_EQ(readFile(fs::path(gallery) / "next.png"), "mine");
  EXPECT_EQ(readFile(fs::path(gallery) / "PAUSE.PNG"), assetText("pause.png", false));
  EXPECT_EQ(readFile(fs::path(gallery) / "skin.js"), assetText("skin.js", true));
  EXPECT_THROW(writeShadowboxText(host, "no-such-file.js", gallery), velvara::core::GalleryFileError);
  EXPECT_THROW(writeShadowboxBinary("no-such-file.png", gallery), velvara::core::GalleryFileError);
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
