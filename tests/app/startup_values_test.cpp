// The rules by which stored start-up values and the command line are read.
#include <gtest/gtest.h>

#include "app/StartupValues.h"

namespace velvara::app {
namespace {

TEST(StartupValuesTest, PicturesPerRowIsTheRoundedLeadingNumberWithinTheBox) {
  struct Case {
    const char* stored;
    std::int32_t value;
    bool clamped;
  };
  const Case cases[] = {
      {"4", 4, false},       {"0", 4, false},   {"abc", 4, false},           {"", 4, false},
      {" 7 rows", 7, false}, {"2.5", 2, false}, {"3.5", 4, false},           {"1e1", 10, false},
      {"-5", 1, true},       {"0.4", 4, false}, {"99999999999", 1000, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    const PicturesPerRow result = picturesPerRowFrom(c.stored, 1, 1000);
    EXPECT_EQ(result.value, c.value);
    EXPECT_EQ(result.clamped, c.clamped);
  }
}

TEST(StartupValuesTest, PlacementAppliesSizesNotZeroAndEdgesNotNegativeWhereTheScreensShowThem) {
  // Two screens of 1600 by 1200 pixels side by side: 48000 by 18000 twips.
  const ScreenArea screens{0, 0, 3200, 1200};
  const StoredPlacement first = placementToApply("0", "9630", "0", "-1", screens);
  EXPECT_FALSE(first.width);
  EXPECT_EQ(first.height, 9630);
  EXPECT_EQ(first.left, 0);
  EXPECT_FALSE(first.top);
  const StoredPlacement second = placementToApply("abc", "99999999999", "-10", "150.5", screens);
  EXPECT_FALSE(second.width);
  EXPECT_FALSE(second.height);
  EXPECT_FALSE(second.left);
  EXPECT_EQ(second.top, 150);
  // The screens' size is taken, and the last pixel of their far side.
  const StoredPlacement largest = placementToApply("48000", "18000", "47985", "99999999", screens);
  EXPECT_EQ(largest.width, 48000);
  EXPECT_EQ(largest.height, 18000);
  EXPECT_EQ(largest.left, 47985);
  EXPECT_FALSE(largest.top);
  const StoredPlacement beyond = placementToApply("48015", "-9630", "48000", "0", screens);
  EXPECT_FALSE(beyond.width);
  EXPECT_FALSE(beyond.height);
  EXPECT_FALSE(beyond.left);
}

TEST(StartupValuesTest, TheCommandLineIsOnePathEndingInVlr) {
  struct Case {
    std::vector<std::string> arguments;
    std::optional<std::string> project;
  };
  const Case cases[] = {
      {{}, std::nullopt},
      {{"\"/home/me/My Trips/Summer.VLR\""}, "/home/me/My Trips/Summer.VLR"},
      {{"/home/me/My", "Trips/Summer.vlr"}, "/home/me/My Trips/Summer.vlr"},
      {{"/a.vlr", "/b.txt"}, std::nullopt},
      {{"/a.vlr", "/b.vlr"}, "/a.vlr /b.vlr"},
      {{"  \"\"  "}, std::nullopt},
      {{"/photos.vlr/readme"}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(commandLineProject(c.arguments), c.project);
  }
}

}  // namespace
}  // namespace velvara::app
