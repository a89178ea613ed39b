#pragma once
// A decoded picture in the image library's layout: rows bottom-up, each
// padded to a multiple of 4 bytes; true-colour pixels are blue, green, red.
// The record owns its pixels; it moves but never copies.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace velvara::imagelib {

enum class BitmapType : std::int16_t { Binary = 1, Grey = 2, ColorMapped = 4, Bgr = 32 };

struct ColorMap {
  std::array<std::uint8_t, 256> red{};
  std::array<std::uint8_t, 256> green{};
  std::array<std::uint8_t, 256> blue{};
};

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  Bitmap(Bitmap&&) noexcept = default;
  Bitmap& operator=(Bitmap&&) noexcept = default;

  bool hasData() const { return !pixels.empty(); }
  void release() { *this = Bitmap(); }

  BitmapType type = BitmapType::Bgr;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t bytesPerLine = 0;
  std::int32_t bytesPerPixel = 0;
  std::unique_ptr<ColorMap> colorMap;
  std::vector<std::uint8_t> pixels;
};

}  // namespace velvara::imagelib
