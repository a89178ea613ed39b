// Plain JPEGs are read a short way of our own (one decoder shrinking while
// it decodes, rows reduced here) because libvips' thumbnail builds its
// resampling one picture at a time. Previews and gallery pictures must not
// change by a single byte for it: each case below is read both ways.
#include <gtest/gtest.h>
#include <vips/vips.h>
// After vips.h, which it needs.
#include <vips/vector.h>

#include <optional>
#include <string>

#include "platform/imagelib/InProcess.h"
#include "platform/imagelib/JpegReading.h"
#include "platform/imagelib/Library.h"
#include "platform/imagelib/PictureFile.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestImages.h"

namespace velvara::imagelib {
namespace {

using testing::TestColor;
using testing::TestImage;

struct Target {
  int width, height;
};

SizeFor exactly(Target target) {
  return [target](const ImageInfo&, std::int32_t& width, std::int32_t& height) {
    width = target.width;
    height = target.height;
  };
}

class JpegReadingTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(libraryInit()); }

  // Reads path both ways at every target; the short way must have taken
  // each of them and given the general way's bytes.
  void expectSamePictures(const std::string& name, const TestImage& image, std::initializer_list<Target> targets) {
    const std::string path = dir.file(name);
    testing::writeTestImage(path, image);
    for (Target target : targets) {
      SCOPED_TRACE(name + " at " + std::to_string(target.width) + "x" + std::to_string(target.height));
      Bitmap general;
      ASSERT_TRUE(detail::loadResizedForGeneralWay(path, exactly(target), general).ok());
      std::optional<Bitmap> shortWay = detail::readJpeg(detail::PictureFile(path), exactly(target));
      ASSERT_TRUE(shortWay.has_value());
      EXPECT_EQ(shortWay->width, general.width);
      EXPECT_EQ(shortWay->height, general.height);
      EXPECT_TRUE(shortWay->pixels == general.pixels)
          << "mean difference " << testing::meanDifference(*shortWay, general);
      Bitmap loaded;
      ASSERT_TRUE(loadResized(path, target.width, target.height, loaded).ok());
      EXPECT_TRUE(loaded.pixels == general.pixels);
    }
  }

  testing::TempDir dir;
};

TEST_F(JpegReadingTest, EveryShrinkWhileDecodingAndEveryFilterStepGivesTheLibrarysBytes) {
  // Shrinking while decoding by 1, 2, 4 and 8; whole-pixel averaging before
  // the filter; sizes that do not divide; a distorted fit; a single pixel.
  expectSamePictures("photo.jpg", {640, 480},
                     {{640, 480}, {320, 240}, {160, 120}, {100, 75}, {96, 72}, {40, 30}, {33, 97}, {1, 1}});
  expectSamePictures("odd.jpg", {641, 479}, {{641, 479}, {213, 160}, {97, 73}, {17, 13}});
  expectSamePictures("large.jpg", {3201, 2399}, {{800, 600}, {150, 113}, {99, 74}});
  expectSamePictures("tall.jpg", {300, 1000}, {{30, 100}, {299, 999}, {300, 10}});
}

TEST_F(JpegReadingTest, GreyProgressiveAndFullColourJpegsGiveTheLibrarysBytes) {
  expectSamePictures("grey.jpg", {640, 480, TestColor::Grey}, {{160, 120}, {100, 75}, {41, 29}});
  TestImage progressive{640, 480};
  progressive.progressive = true;
  expectSamePictures("progressive.jpg", progressive, {{160, 120}, {100, 75}, {41, 29}});
  TestImage fullColour{640, 480};
  fullColour.fullColour = true;
  expectSamePictures("full.jpg", fullColour, {{160, 120}, {100, 75}, {41, 29}});
}

TEST_F(JpegReadingTest, TurnedJpegsGiveTheLibrarysBytes) {
  for (int orientation = 1; orientation <= 8; ++orientation) {
    const bool sideways = orientation >= 5;
    const Target shown = sideways ? Target{75, 100} : Target{100, 75};
    expectSamePictures("turned" + std::to_string(orientation) + ".jpg", {640, 480, TestColor::Rgb, orientation},
                       {shown, {37, 23}});
  }
}

TEST_F(JpegReadingTest, WithoutVectorCodeTheBytesAreStillTheLibrarys) {
  // libvips sums with other weights when its vector code is off (a build
  // or a machine without it, or VIPS_NOVECTOR set).
  const bool wasEnabled = vips_vector_isenabled();
  vips_vector_set_enabled(false);
  expectSamePictures("plain.jpg", {640, 480}, {{160, 120}, {100, 75}, {41, 29}});
  expectSamePictures("turned.jpg", {641, 479, TestColor::Grey, 6}, {{73, 97}});
  vips_vector_set_enabled(wasEnabled);
}

TEST_F(JpegReadingTest, JpegsTheShortWayDoesNotCoverAreLeftToTheGeneralWay) {
  // A profile to convert, CMYK, and a picture to enlarge.
  for (auto [name, image, target] : {std::tuple{"p3.jpg", TestImage{200, 150, TestColor::DisplayP3}, Target{100, 75}},
                                     std::tuple{"cmyk.jpg", TestImage{200, 150, TestColor::Cmyk}, Target{100, 75}},
                                     std::tuple{"small.jpg", TestImage{200, 150}, Target{400, 300}}}) {
    SCOPED_TRACE(name);
    const std::string path = dir.file(name);
    testing::writeTestImage(path, image);
    EXPECT_FALSE(detail::readJpeg(detail::PictureFile(path), exactly(target)).has_value());
    Bitmap general, loaded;
    ASSERT_TRUE(detail::loadResizedForGeneralWay(path, exactly(target), general).ok());
    ASSERT_TRUE(loadResized(path, target.width, target.height, loaded).ok());
    EXPECT_TRUE(loaded.pixels == general.pixels);
  }
}

}  // namespace
}  // namespace velvara::imagelib
