#include "core/imaging/FitSize.h"

#include <algorithm>
#include <cmath>

namespace velvara::core {

std::int32_t roundHalfEven(double value) {
  double lower = std::floor(value);
  double fraction = value - lower;
  double result = fraction > 0.5   ? lower + 1
                  : fraction < 0.5 ? lower
                                   : (std::fmod(lower, 2.0) == 0 ? lower : lower + 1);
  return static_cast<std::int32_t>(result);
}

PixelSize fitToBox(std::int32_t width, std::int32_t height, double boxWidth, double boxHeight, bool keepAspect) {
  double w = boxWidth;
  double h = boxHeight;
  if (keepAspect && width > 0 && height > 0) {
    double boxRatio = boxWidth / boxHeight;
    double imageRatio = static_cast<double>(width) / height;
    if (imageRatio > boxRatio) {
      h = boxWidth / imageRatio;
    } else {
      w = boxHeight * imageRatio;
    }
  }
  // A very long panorama would otherwise round to no pixels at all.
  return {std::max(1, roundHalfEven(w)), std::max(1, roundHalfEven(h))};
}

}  // namespace velvara::core
