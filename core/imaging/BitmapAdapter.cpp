#include "core/imaging/BitmapAdapter.h"

#include <limits>
#include <stdexcept>

#include "platform/imagelib/Library.h"

namespace velvara::core {
namespace {

void putLe(std::uint8_t* at, std::int64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
}

std::int32_t checked(std::int64_t value) {
  if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min()) {
    throw std::overflow_error("bitmap too large to paint");
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace

void takeBitmap(imagelib::Bitmap&& libBitmap, imagelib::Bitmap& bmp) { bmp = std::move(libBitmap); }

bool loadBitmap24(const std::string& fileName, imagelib::Bitmap& bmp) {
  imagelib::Bitmap loaded;
  if (!imagelib::loadBitmap(fileName, loaded).ok()) return false;
  takeBitmap(std::move(loaded), bmp);
  return true;
}

std::array<std::uint8_t, kDibHeaderSize> makeDibHeader(const imagelib::Bitmap& bmp) {
  std::array<std::uint8_t, kDibHeaderSize> header{};
  const std::int64_t width = bmp.width;
  const std::int32_t rowBytes = checked((checked(3 * width + 3) / 4) * std::int64_t{4});
  const std::int32_t imageSize = checked(std::int64_t{rowBytes} * bmp.height);
  int bitsPerPixel = 24;
  std::uint8_t* palette = header.data() + 40;
  switch (bmp.type) {
    case imagelib::BitmapType::ColorMapped:
      bitsPerPixel = 8;
      if (bmp.colorMap) {
        for (int i = 0; i < 256; ++i) {
          palette[4 * i] = bmp.colorMap->blue[i];
          palette[4 * i + 1] = bmp.colorMap->green[i];
          palette[4 * i + 2] = bmp.colorMap->red[i];
        }
      }
      break;
    case imagelib::BitmapType::Binary:
      bitsPerPixel = 8;
      palette[4] = palette[5] = palette[6] = 255;
      break;
    case imagelib::BitmapType::Grey:
      bitsPerPixel = 8;
      for (int i = 0; i < 256; ++i)
        palette[4 * i] = palette[4 * i + 1] = palette[4 * i + 2] = static_cast<std::uint8_t>(i);
      break;
    default:
      break;
  }
  putLe(&header[0], 40, 4);
  putLe(&header[4], width, 4);
  putLe(&header[8], bmp.height, 4);
  putLe(&header[12], 1, 2);
  putLe(&header[14], bitsPerPixel, 2);
  putLe(&header[16], 0, 4);
  putLe(&header[20], imageSize, 4);
  return header;
}

void copyColorMap(const imagelib::ColorMap& colorMap, std::array<std::uint8_t, 768>& bytes) {
  std::copy(colorMap.red.begin(), colorMap.red.end(), bytes.begin());
  std::copy(colorMap.green.begin(), colorMap.green.end(), bytes.begin() + 256);
  std::copy(colorMap.blue.begin(), colorMap.blue.end(), bytes.begin() + 512);
}

BitmapRows rowsOf(const imagelib::Bitmap& bmp) {
  return {bmp.pixels.data(), bmp.width, bmp.height, bmp.bytesPerLine, bmp.bytesPerPixel};
}

}  // namespace velvara::core
