#include "core/imaging/FitSize.h"

#include <gtest/gtest.h>

namespace velvara::core {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(666.6666), 667);
  EXPECT_EQ(roundHalfEven(89.4), 89);
  EXPECT_EQ(roundHalfEven(0.5), 0);
}

struct FitCase {
  std::int32_t width, height, boxWidth, boxHeight;
  bool keepAspect;
  PixelSize expected;
};

TEST(FitToBox, SizesOfPreviewsAndGalleryImages) {
  const FitCase cases[] = {
      {4000, 3000, 750, 500, true, {667, 500}}, {4000, 3000, 160, 120, true, {160, 120}},
      {3000, 4000, 750, 500, true, {375, 500}}, {3000, 4000, 160, 120, true, {90, 120}},
      {400, 300, 120, 120, true, {120, 90}},    {300, 400, 120, 120, true, {90, 120}},
      {60, 40, 120, 120, true, {120, 80}},      {500, 500, 120, 120, true, {120, 120}},
      {1000, 300, 750, 500, false, {750, 500}}, {5, 2, 120, 120, true, {120, 48}},
      {20000, 10, 120, 120, true, {120, 1}},
  };
  for (const FitCase& c : cases) {
    EXPECT_EQ(fitToBox(c.width, c.height, c.boxWidth, c.boxHeight, c.keepAspect), c.expected)
        << c.width << "x" << c.height << " in " << c.boxWidth << "x" << c.boxHeight;
  }
}

}  // namespace
}  // namespace velvara::core
