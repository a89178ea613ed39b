#include <gtest/gtest.h>

#include "core/imaging/ImageLibrary.h"
#include "platform/imagelib/Library.h"

namespace velvara::core {
namespace {

// One test only: after the library has ended nothing may decode in this
// process any more.
TEST(ImageLibraryLifecycle, StartsOnceAndEndsKeepingTheReadyFlag) {
  ImageLibrary library;
  EXPECT_FALSE(library.gflReady);
  imagelib::Bitmap bitmap;
  EXPECT_EQ(imagelib::loadBitmap("/nonexistent.jpg", bitmap).code, imagelib::ErrorCode::NotInitialised);
  gflInit(library);
  EXPECT_TRUE(library.gflReady);
  gflInit(library);
  EXPECT_TRUE(library.gflReady);
  EXPECT_TRUE(isSupportedImageExt(library, "jpeg"));
  EXPECT_EQ(imagelib::loadBitmap("/nonexistent.jpg", bitmap).code, imagelib::ErrorCode::FileNotFound);
  gflExit(library);
  EXPECT_TRUE(library.gflReady);
  EXPECT_EQ(imagelib::loadBitmap("/nonexistent.jpg", bitmap).code, imagelib::ErrorCode::NotInitialised);
}

}  // namespace
}  // namespace velvara::core
