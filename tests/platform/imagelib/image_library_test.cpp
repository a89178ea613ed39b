#include <gtest/gtest.h>
#include <sys/resource.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/imagelib/Formats.h"
#include "platform/imagelib/Library.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestImages.h"

namespace velvara::imagelib {
namespace {

using testing::TestColor;
using testing::TestImage;

class ImageLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(libraryInit()); }

  std::string write(const std::string& name, const TestImage& image) {
    std::string path = dir.file(name);
    testing::writeTestImage(path, image);
    return path;
  }

  testing::TempDir dir;
};

TEST_F(ImageLibraryTest, PictureFormatsAreReadableAndDataFormatsAreNotListed) {
  std::vector<std::string> readable;
  for (const FormatInfo& format : formats()) {
    if (format.readable) readable.push_back(format.name);
    for (const std::string& ext : format.extensions) {
      EXPECT_NE(ext, "csv");
      EXPECT_NE(ext, "pdf");
      EXPECT_NE(ext, "v");
    }
  }
  for (const char* name : {"jpeg", "png", "gif", "tiff", "webp", "heif", "jpeg2000", "bmp"}) {
    EXPECT_NE(std::find(readable.begin(), readable.end(), name), readable.end()) << name;
  }
  ASSERT_GE(formatIndexByName("jpeg"), 0);
  EXPECT_TRUE(formats()[formatIndexByName("jpeg")].writable);
  EXPECT_EQ(formatIndexByName("csv"), -1);
}

TEST_F(ImageLibraryTest, LoadsAs24BitBottomUpRowsPaddedToFourBytes) {
  std::string path = write("odd.png", {67, 40});
  Bitmap bitmap;
  Status status = loadBitmap(path, bitmap);
  ASSERT_TRUE(status.ok()) << status.text;
  EXPECT_EQ(bitmap.type, BitmapType::Bgr);
  EXPECT_EQ(bitmap.width, 67);
  EXPECT_EQ(bitmap.height, 40);
  EXPECT_EQ(bitmap.bytesPerPixel, 3);
  EXPECT_EQ(bitmap.bytesPerLine, 204);
  EXPECT_EQ(bitmap.pixels.size(), 204u * 40);
  // The red marker sits in the top-left corner: the last row in memory.
  auto corner = testing::pixelAt(bitmap, 1, 1);
  EXPECT_GT(corner.red, 200);
  EXPECT_LT(corner.blue, 50);
  EXPECT_EQ(bitmap.pixels[(bitmap.height - 1) * bitmap.bytesPerLine + 2], 255);
}

TEST_F(ImageLibraryTest, EveryColourModelAndPictureFormatArrivesAs24Bit) {
  const std::vector<std::pair<std::string, TestColor>> cases = {
      {"grey.jpg", TestColor::Grey},  {"cmyk.jpg", TestColor::Cmyk},      {"palette.png", TestColor::Palette},
      {"deep.png", TestColor::Rgb16}, {"alpha.png", TestColor::RgbAlpha}, {"grey.png", TestColor::Grey},
      {"plain.webp", TestColor::Rgb}, {"plain.tif", TestColor::Rgb16},    {"plain.gif", TestColor::Rgb},
      {"plain.bmp", TestColor::Rgb},  {"plain.jp2", TestColor::Rgb},      {"plain.heic", TestColor::Rgb},
      {"plain.avif", TestColor::Rgb}, {"plain.jxl", TestColor::Rgb},      {"plain.ppm", TestColor::Rgb},
  };
  for (const auto& [name, color] : cases) {
    std::string path = write(name, {80, 60, color});
    Bitmap bitmap;
    Status status = loadBitmap(path, bitmap);
    ASSERT_TRUE(status.ok()) << name << ": " << status.text;
    EXPECT_EQ(bitmap.type, BitmapType::Bgr) << name;
    EXPECT_EQ(bitmap.width, 80) << name;
    EXPECT_EQ(bitmap.height, 60) << name;
    EXPECT_EQ(bitmap.bytesPerLine, 240) << name;
    auto corner = testing::pixelAt(bitmap, 2, 2);
    if (color != TestColor::Grey) {
      EXPECT_GT(corner.red, 150) << name;
    }
  }
}

TEST_F(ImageLibraryTest, TransparencyIsFlattenedOntoWhite) {
  std::string path = write("alpha.png", {80, 60, TestColor::RgbAlpha});
  Bitmap bitmap;
  ASSERT_TRUE(loadBitmap(path, bitmap).ok());
  auto right = testing::pixelAt(bitmap, 70, 30);
  EXPECT_EQ(right.red, 255);
  EXPECT_EQ(right.green, 255);
  EXPECT_EQ(right.blue, 255);
}

TEST_F(ImageLibraryTest, EmbeddedColourProfilesAreConvertedToSrgb) {
  // Pure red stored in Display P3 reads about 234, 51, 35 when its profile
  // is ignored.
  for (const char* name : {"wide.png", "wide.jpg"}) {
    std::string path = write(name, {160, 120, TestColor::DisplayP3});
    Bitmap full, small;
    ASSERT_TRUE(loadBitmap(path, full).ok()) << name;
    ASSERT_TRUE(loadResized(path, 80, 60, small).ok()) << name;
    for (const auto& [bitmap, at] : {std::pair{&full, 4}, std::pair{&small, 2}}) {
      auto marker = testing::pixelAt(*bitmap, at, at);
      EXPECT_GT(marker.red, 235) << name << " " << bitmap->width;
      EXPECT_LT(marker.green, 25) << name << " " << bitmap->width;
      EXPECT_LT(marker.blue, 25) << name << " " << bitmap->width;
    }
  }
}

TEST_F(ImageLibraryTest, EveryOrientationIsAppliedOnLoadingAndInTheFileInformation) {
  // Where the stored top-left corner (a red block) is shown for each EXIF
  // orientation; 0 and 9 are not orientations and leave the picture as is.
  struct Case {
    int orientation;
    bool right, bottom;
  };
  const Case cases[] = {{1, false, false}, {2, true, false}, {3, true, true},  {4, false, true},  {5, false, false},
                        {6, true, false},  {7, true, true},  {8, false, true}, {0, false, false}, {9, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.orientation);
    std::string path =
        write("turned" + std::to_string(c.orientation) + ".jpg", {400, 300, TestColor::Rgb, c.orientation});
    const bool sideways = c.orientation >= 5 && c.orientation <= 8;
    ImageInfo info;
    ASSERT_TRUE(readImageInfo(path, info).ok());
    EXPECT_EQ(info.width, sideways ? 300 : 400);
    EXPECT_EQ(info.height, sideways ? 400 : 300);
    EXPECT_EQ(info.bitsPerComponent * info.componentsPerPixel, 24);
    for (bool resized : {false, true}) {
      Bitmap bitmap;
      const int width = resized ? info.width * 3 / 10 : info.width;
      const int height = resized ? info.height * 3 / 10 : info.height;
      ASSERT_TRUE((resized ? loadResized(path, width, height, bitmap) : loadBitmap(path, bitmap)).ok());
      EXPECT_EQ(bitmap.width, width);
      EXPECT_EQ(bitmap.height, height);
      const int x = c.right ? width - 3 : 2;
      const int y = c.bottom ? height - 3 : 2;
      // Only the block is red without green or blue.
      auto isMarker = [](testing::Bgr p) { return p.red > 200 && p.green < 60 && p.blue < 60; };
      EXPECT_TRUE(isMarker(testing::pixelAt(bitmap, x, y)));
      EXPECT_FALSE(isMarker(testing::pixelAt(bitmap, width - 1 - x, height - 1 - y)));
    }
  }
}

TEST_F(ImageLibraryTest, PicturesMadeOnManyThreadsAtOnceAreThoseOfOneThread) {
  // Resampling compiles code for itself while it is set up and frees it when
  // it is let go; eight threads doing so at once, many times, must neither
  // crash nor disturb one another's pixels.
  Bitmap source;
  ASSERT_TRUE(loadResized(write("src.jpg", {640, 480}), 320, 240, source).ok());
  Bitmap expected;
  ASSERT_TRUE(resize(source, 139, 104, ResizeMethod::Lanczos, expected).ok());
  std::atomic<int> differing = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 300; ++i) {
        Bitmap made;
        if (!resize(source, 139, 104, ResizeMethod::Lanczos, made).ok() || made.pixels != expected.pixels) ++differing;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(differing, 0);
}

TEST_F(ImageLibraryTest, ResizedLoadMatchesLoadThenResize) {
  std::string path = write("big.jpg", {1600, 1200});
  Bitmap direct, full, scaled;
  ASSERT_TRUE(loadResized(path, 160, 120, direct).ok());
  ASSERT_TRUE(loadBitmap(path, full).ok());
  ASSERT_TRUE(resize(full, 160, 120, ResizeMethod::Lanczos, scaled).ok());
  EXPECT_EQ(direct.width, 160);
  EXPECT_EQ(direct.height, 120);
  EXPECT_LT(testing::meanDifference(direct, scaled), 6.0);
}

TEST_F(ImageLibraryTest, ResizeGivesExactlyTheAskedSizeWithBothMethods) {
  Bitmap source;
  ASSERT_TRUE(loadBitmap(write("src.png", {333, 101}), source).ok());
  for (auto method : {ResizeMethod::Quick, ResizeMethod::Lanczos}) {
    for (auto [w, h] : {std::pair{120, 37}, std::pair{667, 500}, std::pair{1, 1}, std::pair{750, 101}}) {
      Bitmap result;
      ASSERT_TRUE(resize(source, w, h, method, result).ok());
      EXPECT_EQ(result.width, w);
      EXPECT_EQ(result.height, h);
      EXPECT_EQ(result.bytesPerLine, (3 * w + 3) / 4 * 4);
    }
  }
  Bitmap result;
  EXPECT_EQ(resize(source, 0, 10, ResizeMethod::Quick, result).code, ErrorCode::BadParameters);
  EXPECT_EQ(resize(Bitmap(), 10, 10, ResizeMethod::Quick, result).code, ErrorCode::NoBitmap);
}

TEST_F(ImageLibraryTest, SharpeningKeepsSizeAndStaysCloseToTheSource) {
  Bitmap source, sharp;
  ASSERT_TRUE(loadBitmap(write("soft.jpg", {160, 120}), source).ok());
  ASSERT_TRUE(sharpen(source, 25, sharp).ok());
  EXPECT_EQ(sharp.width, 160);
  EXPECT_EQ(sharp.height, 120);
  double change = testing::meanDifference(source, sharp);
  EXPECT_GT(change, 0.5);
  EXPECT_LT(change, 20.0);
  EXPECT_EQ(sharpen(Bitmap(), 25, sharp).code, ErrorCode::NoBitmap);
}

TEST_F(ImageLibraryTest, SavedJpegHasNoMetadataAndReplacesTheOldFile) {
  std::string source = write("exif.jpg", {200, 150, TestColor::Rgb, 3});
  ASSERT_TRUE(testing::hasExif(source));
  Bitmap bitmap;
  ASSERT_TRUE(loadBitmap(source, bitmap).ok());
  std::string out = dir.file("out.jpg");
  std::ofstream(out) << "old contents";
  Status status = saveJpeg(bitmap, out, 90);
  ASSERT_TRUE(status.ok()) << status.text;
  EXPECT_FALSE(testing::hasExif(out));
  Bitmap back;
  ASSERT_TRUE(loadBitmap(out, back).ok());
  EXPECT_LT(testing::meanDifference(bitmap, back), 4.0);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST_F(ImageLibraryTest, FailedSaveKeepsTheExistingFileAndLeavesNoPartialFile) {
  Bitmap bitmap;
  ASSERT_TRUE(loadBitmap(write("a.png", {20, 20}), bitmap).ok());
  EXPECT_EQ(saveJpeg(Bitmap(), dir.file("a.jpg"), 90).code, ErrorCode::NoBitmap);
  std::filesystem::create_directory(dir.file("folder.jpg"));
  Status status = saveJpeg(bitmap, dir.file("folder.jpg"), 90);
  EXPECT_EQ(status.code, ErrorCode::WriteError);
  EXPECT_FALSE(status.text.empty());
  Status missing = saveJpeg(bitmap, dir.file("nowhere/x.jpg"), 90);
  EXPECT_EQ(missing.code, ErrorCode::WriteError);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST_F(ImageLibraryTest, ADecoderWarningIsNeverTheReasonOfALaterFailure) {
  std::string path = dir.file("stray.jpg");
  testing::writeJpegWithStrayBytes(path);
  Bitmap bitmap, small;
  ImageInfo info;
  ASSERT_TRUE(loadBitmap(path, bitmap).ok());
  ASSERT_TRUE(loadResized(path, 32, 24, small).ok());
  ASSERT_TRUE(readImageInfo(path, info).ok());
  Status status = saveJpeg(bitmap, dir.file("nowhere/x.jpg"), 90);
  EXPECT_EQ(status.code, ErrorCode::WriteError);
  EXPECT_EQ(status.text.find("Corrupt"), std::string::npos) << status.text;
}

TEST_F(ImageLibraryTest, DamagedFilesAreErrorsWithTexts) {
  std::string truncated = write("cut.jpg", {300, 200});
  std::filesystem::resize_file(truncated, std::filesystem::file_size(truncated) / 2);
  std::string empty = dir.file("empty.jpg");
  std::ofstream{empty};
  std::string text = dir.file("notes.jpg");
  std::ofstream(text) << "1 2 3\nthis is not a picture\n";
  // libvips reads its own data format, but it is no picture format of ours.
  std::string data = write("data.v", {20, 20});
  std::filesystem::rename(data, dir.file("data.jpg"));
  std::string huge = dir.file("bomb.jpg");
  testing::writeJpegClaimingSize(huge, 20000, 20000);

  const std::vector<std::pair<std::string, ErrorCode>> cases = {
      {truncated, ErrorCode::ReadError}, {empty, ErrorCode::UnknownFormat},
      {text, ErrorCode::UnknownFormat},  {dir.file("data.jpg"), ErrorCode::UnknownFormat},
      {huge, ErrorCode::TooLarge},       {dir.file("missing.jpg"), ErrorCode::FileNotFound},
  };
  for (const auto& [path, code] : cases) {
    Bitmap bitmap, small;
    Status full = loadBitmap(path, bitmap);
    Status resized = loadResized(path, 120, 90, small);
    EXPECT_EQ(full.code, code) << path << ": " << full.text;
    EXPECT_EQ(resized.code, code) << path << ": " << resized.text;
    EXPECT_TRUE(full.text.starts_with(errorString(code))) << full.text;
    EXPECT_FALSE(bitmap.hasData());
    EXPECT_FALSE(small.hasData());
  }
}

TEST_F(ImageLibraryTest, PicturesThatMustBeDecodedWholeAreCappedByTheirBytes) {
  // 240 million pixels pass the pixel cap; held whole at 16 bits and four
  // bands an interlaced one needs 1.9 GB, streamed in strips it needs little.
  struct Case {
    const char* name;
    int bitDepth;
    bool interlaced;
    bool refused;
  };
  for (const Case& each : {Case{"deep-interlaced.png", 16, true, true}, Case{"interlaced.png", 8, true, true},
                           Case{"deep-streamed.png", 16, false, false}}) {
    std::string path = dir.file(each.name);
    testing::writePngHeader(path, 15000, 16000, each.bitDepth, each.interlaced);
    ImageInfo info;
    Status status = readImageInfo(path, info);
    Bitmap small;
    Status resized = loadResized(path, 150, 160, small);
    if (each.refused) {
      EXPECT_EQ(status.text, "Image too large: 15000 x 16000") << each.name;
      EXPECT_EQ(resized.text, "Image too large: 15000 x 16000") << each.name;
    } else {
      EXPECT_TRUE(status.ok()) << each.name << ": " << status.text;
      EXPECT_NE(resized.code, ErrorCode::TooLarge) << each.name;
    }
    EXPECT_FALSE(small.hasData()) << each.name;
  }
  // Its full-size result alone would be too large to hold.
  Bitmap whole;
  EXPECT_EQ(loadBitmap(dir.file("deep-streamed.png"), whole).code, ErrorCode::TooLarge);
}

TEST_F(ImageLibraryTest, AWriteThatFailsNamesTheFileAndTheSystemsReason) {
  Bitmap bitmap;
  ASSERT_TRUE(loadBitmap(write("noise.png", {600, 400}), bitmap).ok());
  // A file size limit gives the real write the error a full disk gives.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = saved;
  limited.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  Status status = saveJpeg(bitmap, dir.file("big.jpg"), 95);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(status.code, ErrorCode::WriteError);
  EXPECT_EQ(status.text, "Error while writing the file: " + dir.file("big.jpg") + ": " + std::strerror(EFBIG));
  EXPECT_FALSE(std::filesystem::exists(dir.file("big.jpg")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "only the source is left";
}

}  // namespace
}  // namespace velvara::imagelib
