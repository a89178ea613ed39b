#pragma once
// The program's side of the image library's bitmaps: taking a new bitmap
// over, loading a file as 24-bit, and the header and rows a window paints
// from.
#include <array>
#include <cstdint>
#include <string>

#include "platform/imagelib/Bitmap.h"

namespace velvara::core {

// bmp gives up its pixels and takes over those of libBitmap.
void takeBitmap(imagelib::Bitmap&& libBitmap, imagelib::Bitmap& bmp);

// True when bmp holds the file's first picture as a 24-bit blue-green-red
// bitmap; on false bmp is unchanged and nothing is shown.
bool loadBitmap24(const std::string& fileName, imagelib::Bitmap& bmp);

// The Windows bitmap-info layout the rows are painted with: a 40-byte header
// (width, positive height for bottom-up rows, 24 or 8 bits per pixel, the
// padded image size) and 256 palette entries of blue, green, red, 0.
inline constexpr std::size_t kDibHeaderSize = 40 + 256 * 4;
// Throws std::overflow_error when the width or the image size does not fit
// a 32-bit signed number.
std::array<std::uint8_t, kDibHeaderSize> makeDibHeader(const imagelib::Bitmap& bmp);

// The colour map as 256 red, then 256 green, then 256 blue values.
void copyColorMap(const imagelib::ColorMap& colorMap, std::array<std::uint8_t, 768>& bytes);

// The rows of a bitmap as a window reads them to paint: row 0 is the top.
struct BitmapRows {
  const std::uint8_t* pixels = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t bytesPerLine = 0;
  std::int32_t bytesPerPixel = 0;

  const std::uint8_t* row(std::int32_t fromTop) const {
    return pixels + static_cast<std::ptrdiff_t>(height - 1 - fromTop) * bytesPerLine;
  }
};

// A view that is valid while bmp keeps its pixels.
BitmapRows rowsOf(const imagelib::Bitmap& bmp);

}  // namespace velvara::core
