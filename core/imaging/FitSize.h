#pragma once
// The size a picture gets in a box, as previews and gallery images use it.
#include <cstdint>

namespace velvara::core {

struct PixelSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const PixelSize&) const = default;
};

// Nearest whole number, halves to the even one (2.5 gives 2, 3.5 gives 4).
std::int32_t roundHalfEven(double value);

// With keepAspect the picture is fitted into the box keeping its proportions
// (the computed side rounded halves to even, at least 1 pixel); without it
// the result is exactly the box. Small pictures grow to the box.
PixelSize fitToBox(std::int32_t width, std::int32_t height, double boxWidth, double boxHeight, bool keepAspect);

}  // namespace velvara::core
