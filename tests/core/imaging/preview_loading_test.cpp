#include "core/imaging/PreviewLoading.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/imaging/AddImage.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestImages.h"

namespace velvara::core {
namespace {

namespace fs = std::filesystem;

class PreviewLoadingTest : public ::testing::Test {
 protected:
  void SetUp() override { gflInit(library); }

  testing::TempDir dir;
  ImageLibrary library;
};

TEST_F(PreviewLoadingTest, DamagedPicturesAreRefusedAndSoundOnesLoadWhateverElseIsDecodedMeanwhile) {
  // Damage that the JPEG decoder only reports on the side, beside pictures
  // that only warn and plain ones, decoded by eight workers at once.
  std::vector<std::pair<std::string, bool>> pictures;
  for (int i = 0; i < 4; ++i) {
    std::string scan = dir.file("scan" + std::to_string(i) + ".jpg");
    testing::writeJpegWithDamagedScan(scan);
    std::string cut = dir.file("cut" + std::to_string(i) + ".jpg");
    testing::writeTestImage(cut, {600, 400});
    fs::resize_file(cut, fs::file_size(cut) * 2 / 3);
    std::string stray = dir.file("stray" + std::to_string(i) + ".jpg");
    testing::writeJpegWithStrayBytes(stray);
    std::string plain = dir.file("plain" + std::to_string(i) + ".jpg");
    testing::writeTestImage(plain, {640 + 16 * i, 480});
    pictures.insert(pictures.end(), {{scan, false}, {plain, true}, {cut, false}, {stray, true}});
  }
  std::vector<std::string> paths;
  std::vector<bool> sound;
  for (int round = 0; round < 6; ++round) {
    for (const auto& [path, ok] : pictures) {
      paths.push_back(path);
      sound.push_back(ok);
    }
  }
  library.workerCount = 8;
  std::size_t delivered = 0;
  loadPreviews(library, paths, 120, 120, true, [&](std::size_t i, LoadedPreview& preview) {
    EXPECT_EQ(i, delivered++);
    EXPECT_EQ(preview.loaded(), sound[i]) << paths[i] << ": " << preview.status.text;
  });
  EXPECT_EQ(delivered, paths.size());
}

TEST_F(PreviewLoadingTest, AFoldersPicturesAreAddedInFileOrderAsOneByOneWouldAddThem) {
  std::vector<std::string> paths;
  for (int i = 0; i < 12; ++i) {
    std::string path = dir.file("photo" + std::to_string(i) + (i == 5 ? ".txt" : ".jpg"));
    testing::writeTestImage(dir.file("made.jpg"), {200 + 20 * i, 150});
    fs::rename(dir.file("made.jpg"), path);
    paths.push_back(path);
  }
  std::ofstream(paths[7], std::ios::trunc) << "not a picture";
  // A path offered twice is the duplicate the second time.
  paths.push_back(paths[2]);

  Project oneByOne, pooled;
  testing::FakeHost oneHost, poolHost;
  for (const std::string& path : paths) addImage(oneHost, oneByOne, library, path, 120, 120, true);
  library.workerCount = 8;
  loadPreviews(library, paths, 120, 120, true, [&](std::size_t i, LoadedPreview& preview) {
    addLoadedImage(poolHost, pooled, paths[i], std::move(preview));
  });

  ASSERT_EQ(pooled.images.count(), 10);
  ASSERT_EQ(pooled.images.count(), oneByOne.images.count());
  for (std::int32_t i = 0; i < pooled.images.count(); ++i) {
    EXPECT_EQ(pooled.images.item(i).sourcePath, oneByOne.images.item(i).sourcePath);
    EXPECT_EQ(pooled.images.item(i).outputBaseName, oneByOne.images.item(i).outputBaseName);
    EXPECT_EQ(pooled.images.bitmap(i).width, oneByOne.images.bitmap(i).width) << i;
  }
  EXPECT_EQ(pooled.images.item(4).sourcePath, paths[4]);
  EXPECT_EQ(pooled.images.item(5).sourcePath, paths[6]);
  ASSERT_EQ(poolHost.messages.size(), 1u);
  EXPECT_EQ(poolHost.messages[0].text, oneHost.messages[0].text);
}

}  // namespace
}  // namespace velvara::core
