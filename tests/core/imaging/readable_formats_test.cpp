#include "core/imaging/ReadableFormats.h"

#include <gtest/gtest.h>

#include "core/imaging/ImageLibrary.h"
#include "tests/support/FakeHost.h"

namespace velvara::core {
namespace {

TEST(TrimFixed, DropsZerosAndOuterBlanks) {
  EXPECT_EQ(trimFixed(std::string("jpg\0\0\0\0\0", 8)), "jpg");
  EXPECT_EQ(trimFixed(std::string("  J P\0G  ", 9)), "J PG");
  EXPECT_EQ(trimFixed(std::string("\0 \0", 3)), "");
}

class ReadableFormatsTest : public ::testing::Test {
 protected:
  void SetUp() override { gflInit(library); }
  ImageLibrary library;
};

TEST_F(ReadableFormatsTest, ExtensionsAreLowerCaseAndListedOnce) {
  KeyedCollection<std::string> extensions = readableExtensions();
  for (const char* ext : {"jpg", "jpeg", "png", "gif", "tif", "tiff", "webp", "heic", "avif", "jp2", "bmp"}) {
    const std::string* item = extensions.find(ext);
    ASSERT_NE(item, nullptr) << ext;
    EXPECT_EQ(*item, ext);
  }
  for (const auto& [key, item] : extensions) EXPECT_EQ(key, foldKeyCase(key));
  for (const char* ext : {"csv", "pdf", "v", "vips", "mat", "fits", "svs", "txt"}) {
    EXPECT_FALSE(extensions.contains(ext)) << ext;
  }
}

TEST_F(ReadableFormatsTest, SupportedExtensionsAreListedOnFirstUseAndIgnoreCase) {
  EXPECT_FALSE(library.supportedExtensions.has_value());
  EXPECT_TRUE(isSupportedImageExt(library, "JPG"));
  ASSERT_TRUE(library.supportedExtensions.has_value());
  EXPECT_TRUE(isSupportedImageExt(library, "Png"));
  EXPECT_FALSE(isSupportedImageExt(library, "gz"));
  EXPECT_FALSE(isSupportedImageExt(library, ""));
}

TEST_F(ReadableFormatsTest, FilterStartsWithAllFilesThenEachFormat) {
  testing::FakeHost host;
  std::string filter = openFileFilter(host.strings());
  EXPECT_TRUE(filter.starts_with("Image files (*.*)|*.*|JPEG (*.jpg;*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|"))
      << filter;
  EXPECT_NE(filter.find("|Portable Network Graphics (*.png)|*.png|"), std::string::npos);
  EXPECT_NE(filter.find("|Windows Bitmap (*.bmp;*.dib)|*.bmp;*.dib"), std::string::npos);
  EXPECT_NE(filter.back(), '|');
}

}  // namespace
}  // namespace velvara::core
