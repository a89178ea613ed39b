#include "core/imaging/AddImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/imaging/FitSize.h"
#include "core/imaging/LoadFitted.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestImages.h"

namespace velvara::core {
namespace {

using testing::TestColor;

std::string repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

class AddImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gflInit(library);
    project.settings.defaultLinkText = "3D";
  }

  std::string write(const std::string& name, const testing::TestImage& image) {
    std::filesystem::create_directories(std::filesystem::path(dir.file(name)).parent_path());
    testing::writeTestImage(dir.file(name), image);
    return dir.file(name);
  }

  bool add(const std::string& path) { return addImage(host, project, library, path, 120, 120, true); }

  testing::FakeHost host;
  Project project;
  ImageLibrary library;
  testing::TempDir dir;
};

TEST_F(AddImageTest, PreviewsFitTheBoxAndSmallPicturesGrow) {
  const std::pair<testing::TestImage, PixelSize> cases[] = {
      {{400, 300}, {120, 90}}, {{300, 400}, {90, 120}},   {{60, 40}, {120, 80}},
      {{50, 50}, {120, 120}},  {{4000, 3000}, {120, 90}},
  };
  int n = 0;
  for (const auto& [image, expected] : cases) {
    ASSERT_TRUE(add(write("p" + std::to_string(n++) + ".jpg", image)));
    const imagelib::Bitmap& preview = project.images.bitmap(project.images.count() - 1);
    EXPECT_EQ(preview.width, expected.width) << image.width << "x" << image.height;
    EXPECT_EQ(preview.height, expected.height) << image.width << "x" << image.height;
    EXPECT_EQ(preview.type, imagelib::BitmapType::Bgr);
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(AddImageTest, TheNewRecordTakesItsNamesFromTheFile) {
  std::string first = write("one/photo.jpg", {40, 30});
  std::string second = write("two/photo.JPG", {40, 30});
  std::string third = write("three/photo.png", {40, 30});
  ASSERT_TRUE(add(first));
  ASSERT_TRUE(add(second));
  ASSERT_TRUE(add(third));
  const ImageItem& item = project.images.item(0);
  EXPECT_EQ(item.sourcePath, first);
  EXPECT_EQ(item.title, "photo");
  EXPECT_EQ(item.tooltip, "photo");
  EXPECT_EQ(item.linkUrl, "");
  EXPECT_FALSE(item.openInSameWindow);
  EXPECT_EQ(item.linkText, "3D");
  EXPECT_TRUE(item.thumbnailCached);
  EXPECT_EQ(item.outputBaseName, "photo");
  EXPECT_EQ(project.images.item(1).outputBaseName, "photo_1");
  EXPECT_EQ(project.images.item(2).outputBaseName, "photo_2");
}

// A folder holds names of at most 255 bytes: the second and third photo of a
// name that long get numbered names their JPEGs can be written under, cut
// before a character.
TEST_F(AddImageTest, PhotosOfTheSameLongestNameGetNamesTheirJpegsCanTake) {
  const std::pair<std::string, std::string> cases[] = {
      {std::string(251, 'n'), std::string(249, 'n')},
      {repeated("\u00e9", 125), repeated("\u00e9", 124)},
  };
  for (const auto& [base, cut] : cases) {
    project.images.clear();
    for (const char* folder : {"one/", "two/", "three/"}) ASSERT_TRUE(add(write(folder + base + ".jpg", {40, 30})));
    EXPECT_EQ(project.images.item(0).outputBaseName, base);
    EXPECT_EQ(project.images.item(1).outputBaseName, cut + "_1");
    EXPECT_EQ(project.images.item(2).outputBaseName, cut + "_2");
    for (const ImageItem& item : project.images.items())
      EXPECT_TRUE(std::ofstream(dir.file(item.outputBaseName + ".jpg")).good()) << item.outputBaseName;
  }
}

TEST_F(AddImageTest, NewImageLeavesTheListAloneAndTheFlagClear) {
  ImageItem item;
  imagelib::Bitmap bitmap;
  ASSERT_TRUE(newImage(host, project, library, write("a.png", {30, 60}), item, bitmap, 120, 120, true));
  EXPECT_FALSE(item.thumbnailCached);
  EXPECT_EQ(bitmap.width, 60);
  EXPECT_EQ(bitmap.height, 120);
  EXPECT_EQ(project.images.count(), 0);
}

TEST_F(AddImageTest, TheSamePathTwiceShowsTheDuplicateMessage) {
  std::string path = write("Holiday.jpg", {40, 30});
  ASSERT_TRUE(add(path));
  EXPECT_FALSE(add(path));
  ASSERT_EQ(host.messages.size(), 1u);
  const Message& message = host.messages[0];
  EXPECT_EQ(message.icon, MessageIcon::Information);
  EXPECT_EQ(message.buttons, MessageButtons::Ok);
  EXPECT_FALSE(message.title.has_value());
  EXPECT_EQ(message.text, "Image path:'Holiday' already exist!\r\nImage ignored!");
  EXPECT_EQ(project.images.count(), 1);
}

TEST_F(AddImageTest, ThePathInOtherLetterCaseIsANewImage) {
  std::string path = write("case.jpg", {40, 30});
  ASSERT_TRUE(add(path));
  std::string upper = dir.file("CASE.jpg");
  std::filesystem::copy_file(path, upper);
  EXPECT_TRUE(add(upper));
  EXPECT_EQ(project.images.count(), 2);
  EXPECT_EQ(project.images.item(1).outputBaseName, "CASE");
}

TEST_F(AddImageTest, UnreadableFilesAreRefusedSilently) {
  std::string truncated = write("cut.jpg", {300, 200});
  std::filesystem::resize_file(truncated, std::filesystem::file_size(truncated) / 2);
  std::string empty = dir.file("empty.jpg");
  std::ofstream{empty};
  std::string text = dir.file("letter.jpg");
  std::ofstream(text) << "Dear reader,\nthis is no picture.\n";
  std::string bomb = dir.file("bomb.jpg");
  testing::writeJpegClaimingSize(bomb, 30000, 20000);
  std::string archive = dir.file("archive.tar.GZ");
  std::ofstream(archive) << "x";
  for (const std::string& path : {truncated, empty, text, bomb, archive, dir.file("missing.jpg")}) {
    EXPECT_FALSE(add(path)) << path;
  }
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(project.images.count(), 0);
}

TEST_F(AddImageTest, AFullListGrowsEvenWhenTheFileIsRefused) {
  std::vector<ImageItem> loaded(ImageList::kInitialCapacity);
  project.images.replaceAfterLoad(loaded);
  project.images.move(0, 1);
  ASSERT_EQ(project.images.capacity(), project.images.count());
  EXPECT_FALSE(add(dir.file("missing.jpg")));
  EXPECT_EQ(project.images.capacity(), project.images.count() + ImageList::kGrowthStep);
}

TEST_F(AddImageTest, PhotosArriveUprightAndIn24Bit) {
  ASSERT_TRUE(add(write("turned.jpg", {400, 300, TestColor::Rgb, 6})));
  ASSERT_TRUE(add(write("cmyk.jpg", {400, 300, TestColor::Cmyk})));
  ASSERT_TRUE(add(write("deep.png", {400, 300, TestColor::Rgb16})));
  const imagelib::Bitmap& turned = project.images.bitmap(0);
  EXPECT_EQ(turned.width, 90);
  EXPECT_EQ(turned.height, 120);
  EXPECT_GT(testing::pixelAt(turned, 88, 1).red, 200);
  for (int i = 1; i < 3; ++i) {
    EXPECT_EQ(project.images.bitmap(i).width, 120);
    EXPECT_EQ(project.images.bitmap(i).bytesPerPixel, 3);
  }
}

TEST_F(AddImageTest, LoadFittedFitsAndEnlargesButRefusesWhatItCannotRead) {
  imagelib::Bitmap bmp;
  ASSERT_TRUE(loadFitted(library, write("tiny.gif", {12, 6}), 120, 120, bmp));
  EXPECT_EQ(bmp.width, 120);
  EXPECT_EQ(bmp.height, 60);
  ASSERT_TRUE(loadFitted(library, write("tall.webp", {300, 1000}), 120, 120, bmp));
  EXPECT_EQ(bmp.width, 36);
  EXPECT_EQ(bmp.height, 120);
  EXPECT_FALSE(loadFitted(library, dir.file("gone.jpg"), 120, 120, bmp));
  std::ofstream(dir.file("data.csv")) << "1,2\n";
  EXPECT_FALSE(loadFitted(library, dir.file("data.csv"), 120, 120, bmp));
  EXPECT_EQ(bmp.width, 36);
}

}  // namespace
}  // namespace velvara::core
