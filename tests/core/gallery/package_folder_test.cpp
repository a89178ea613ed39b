#include "core/gallery/PackageFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

namespace velvara::core {
namespace {

namespace fs = std::filesystem;

TEST(PackageFolder, OnlyFilesDirectlyInTheFolderCount) {
  testing::TempDir dir;
  fs::create_directories(dir.path() / "thumbs" / "deeper");
  std::ofstream(dir.path() / "thumbs" / "a.jpg") << "x";
  EXPECT_FALSE(folderHoldsFiles(dir.path().string()));
  std::ofstream(dir.path() / "index.html") << "x";
  EXPECT_TRUE(folderHoldsFiles(dir.path().string()));

  deleteFilesIn(dir.path().string());
  EXPECT_FALSE(fs::exists(dir.path() / "index.html"));
  EXPECT_TRUE(fs::exists(dir.path() / "thumbs" / "a.jpg"));
  EXPECT_THROW(folderHoldsFiles(dir.file("missing")), GalleryFileError);
}

TEST(PackageFolder, CreatesOnlyTheLastLevel) {
  testing::TempDir dir;
  createFolderIfMissing(dir.file("one"));
  createFolderIfMissing(dir.file("one"));
  EXPECT_TRUE(fs::is_directory(dir.path() / "one"));
  try {
    createFolderIfMissing(dir.file("two/three"));
    FAIL() << "no error";
  } catch (const GalleryFileError& error) {
    EXPECT_EQ(error.number(), ENOENT);
    EXPECT_EQ(error.path(), dir.file("two/three"));
  }
}

TEST(PackageFolder, FailedStepShowsTheErrorBoxAndAnswersFalse) {
  testing::FakeHost host;
  EXPECT_TRUE(runPackageStep(host, "/g", [] {}));
  EXPECT_FALSE(runPackageStep(host, "/g/src", [] { throw GalleryFileError("/g/src", 13, "Permission denied"); }));
  EXPECT_FALSE(
      runPackageStep(host, "/g/src", [] { throw GalleryFileError("/g/src/a.js", 28, "No space left on device"); }));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(host.messages[0].title, "/g/src");
  EXPECT_EQ(host.messages[0].text, "Error number:13\r\nError description:Permission denied");
  EXPECT_EQ(host.messages[1].text, "Error number:28\r\nError description:No space left on device: /g/src/a.js");
}

TEST(PackageFolder, MissingAssetIsAnErrorNamingThePath) {
  testing::TempDir dir;
  testing::FakeHost host;
  EXPECT_THROW(writeTextAsset(host, "LIGHTBOX204", "nothing.js", dir.file("nothing.js")), GalleryFileError);
  EXPECT_THROW(writeBinaryAssetIfMissing("LIGHTBOX204", "nothing", dir.file("nothing.gif")), GalleryFileError);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(fs::exists(dir.path() / "nothing.js"));
}

TEST(PackageFolder, TextAssetLosesItsPaddingAndAnEmptyOneIsReported) {
  struct Case {
    std::string asset;
    std::optional<std::string> written;  // nothing: reported, no file
  };
  const Case cases[] = {
      {std::string("var a;\0\0\0", 9), "var a;"},     {std::string("a\0b\0", 4), std::string("a\0b", 3)},
      {std::string("\0b", 2), std::string("\0b", 2)}, {"", std::nullopt},
      {std::string("\0\0\0", 3), std::nullopt},       {std::string("x\0\0", 3), std::nullopt},
  };
  testing::TempDir dir;
  const std::string path = dir.file("lightbox.js");
  for (const Case& c : cases) {
    testing::FakeHost host;
    fs::remove(path);
    writePaddedText(host, c.asset, path);
    if (c.written) {
      EXPECT_TRUE(host.messages.empty());
      std::ifstream in(path, std::ios::binary);
      EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), *c.written);
    } else {
      ASSERT_EQ(host.messages.size(), 1u);
      EXPECT_EQ(host.messages[0].icon, MessageIcon::None);
      EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
      EXPECT_FALSE(host.messages[0].title.has_value());
      EXPECT_EQ(host.messages[0].text, "Error writing file:" + path);
      EXPECT_FALSE(fs::exists(path));
    }
  }
}

}  // namespace
}  // namespace velvara::core
