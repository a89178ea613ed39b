#include "core/gallery/PackageFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace velvara::core
