#include "core/imaging/BitmapAdapter.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/imaging/ImageLibrary.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestImages.h"

namespace velvara::core {
namespace {

std::int32_t le32(const std::array<std::uint8_t, kDibHeaderSize>& header, std::size_t at) {
  return static_cast<std::int32_t>(header[at] | header[at + 1] << 8 | header[at + 2] << 16 |
                                   static_cast<std::uint32_t>(header[at + 3]) << 24);
}

imagelib::Bitmap sized(imagelib::BitmapType type, std::int32_t width, std::int32_t height) {
  imagelib::Bitmap bmp;
  bmp.type = type;
  bmp.width = width;
  bmp.height = height;
  return bmp;
}

TEST(MakeDibHeader, TrueColourRowsArePaddedToFourBytes) {
  auto header = makeDibHeader(sized(imagelib::BitmapType::Bgr, 3, 5));
  EXPECT_EQ(le32(header, 0), 40);
  EXPECT_EQ(le32(header, 4), 3);
  EXPECT_EQ(le32(header, 8), 5);
  EXPECT_EQ(header[12] | header[13] << 8, 1);
  EXPECT_EQ(header[14] | header[15] << 8, 24);
  EXPECT_EQ(le32(header, 16), 0);
  EXPECT_EQ(le32(header, 20), 12 * 5);
  for (std::size_t i = 24; i < kDibHeaderSize; ++i) ASSERT_EQ(header[i], 0) << i;
}

TEST(MakeDibHeader, PalettesOfTheEightBitTypes) {
  auto grey = makeDibHeader(sized(imagelib::BitmapType::Grey, 4, 1));
  EXPECT_EQ(grey[14], 8);
  EXPECT_EQ(grey[40 + 4 * 200], 200);
  EXPECT_EQ(grey[40 + 4 * 200 + 2], 200);
  EXPECT_EQ(grey[40 + 4 * 200 + 3], 0);

  auto binary = makeDibHeader(sized(imagelib::BitmapType::Binary, 4, 1));
  EXPECT_EQ(binary[40], 0);
  EXPECT_EQ(binary[44], 255);
  EXPECT_EQ(binary[46], 255);
  EXPECT_EQ(binary[48], 0);

  imagelib::Bitmap mapped = sized(imagelib::BitmapType::ColorMapped, 4, 1);
  mapped.colorMap = std::make_unique<imagelib::ColorMap>();
  mapped.colorMap->red[7] = 1;
  mapped.colorMap->green[7] = 2;
  mapped.colorMap->blue[7] = 3;
  auto palette = makeDibHeader(mapped);
  EXPECT_EQ(palette[40 + 28], 3);
  EXPECT_EQ(palette[40 + 29], 2);
  EXPECT_EQ(palette[40 + 30], 1);

  std::array<std::uint8_t, 768> bytes{};
  copyColorMap(*mapped.colorMap, bytes);
  EXPECT_EQ(bytes[7], 1);
  EXPECT_EQ(bytes[256 + 7], 2);
  EXPECT_EQ(bytes[512 + 7], 3);
}

TEST(MakeDibHeader, SizesBeyondThirtyTwoBitsOverflow) {
  EXPECT_THROW(makeDibHeader(sized(imagelib::BitmapType::Bgr, 800'000'000, 1)), std::overflow_error);
  EXPECT_THROW(makeDibHeader(sized(imagelib::BitmapType::Bgr, 40000, 40000)), std::overflow_error);
}

TEST(BitmapAdapter, LoadsAsTwentyFourBitAndKeepsTheBitmapOnFailure) {
  ImageLibrary library;
  gflInit(library);
  testing::TempDir dir;
  testing::writeTestImage(dir.file("a.png"), {10, 7, testing::TestColor::Palette});
  imagelib::Bitmap bmp;
  ASSERT_TRUE(loadBitmap24(dir.file("a.png"), bmp));
  EXPECT_EQ(bmp.type, imagelib::BitmapType::Bgr);
  EXPECT_EQ(bmp.width, 10);
  EXPECT_EQ(bmp.bytesPerLine, 32);

  EXPECT_FALSE(loadBitmap24(dir.file("missing.png"), bmp));
  EXPECT_EQ(bmp.width, 10);

  // The row view counts from the top; the red marker is top left.
  BitmapRows rows = rowsOf(bmp);
  EXPECT_EQ(rows.row(0), bmp.pixels.data() + 6 * 32);
  EXPECT_GT(rows.row(0)[2], 200);

  imagelib::Bitmap other;
  takeBitmap(std::move(bmp), other);
  EXPECT_TRUE(other.hasData());
  EXPECT_EQ(other.width, 10);
}

}  // namespace
}  // namespace velvara::core
