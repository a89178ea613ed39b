#include <gtest/gtest.h>

#include "settings/binding/NumberTexts.h"
#include "settings/binding/RecordTexts.h"

namespace velvara::settings {
namespace {

TEST(WholeNumber, ReadsDecimalTextRoundingHalvesToEven) {
  const struct {
    const char* text;
    std::optional<std::int32_t> expected;
  } cases[] = {
      {"160", 160},
      {" 160 ", 160},
      {"2.5", 2},
      {"3.5", 4},
      {"-2.5", -2},
      {"+7", 7},
      {"0.49", 0},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"12px", std::nullopt},
      {"1 2", std::nullopt},
      {"--1", std::nullopt},
      {"2147483647", 2147483647},
      {"2147483648", std::nullopt},
      {"-2147483648", -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(wholeNumber(c.text), c.expected) << "'" << c.text << "'";
}

TEST(WholeNumber, SixteenBitFieldsRefuseWhatTheirBoxCannotHold) {
  EXPECT_EQ(wholeNumber("32767", true), 32767);
  EXPECT_EQ(wholeNumber("32767.5", true), std::nullopt);
  EXPECT_EQ(wholeNumber("-32768", true), -32768);
  EXPECT_EQ(wholeNumber("40000", true), std::nullopt);
}

TEST(LeadingNumber, TakesTheLongestLeadingNumberAndNeverFails) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"10", 10}, {"  10.5px", 10.5}, {"1.5.2", 1.5}, {"-3x", -3},  {"px10", 0},
      {"", 0},    {"-", 0},           {".5", 0.5},    {"10,5", 10}, {"\t10", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.expected) << "'" << c.text << "'";
}

TEST(DecimalText, WritesWholeNumbersPlainAndFractionsWithAPoint) {
  EXPECT_EQ(decimalText(160), "160");
  EXPECT_EQ(decimalText(-4), "-4");
  EXPECT_EQ(decimalText(10.5), "10.5");
  EXPECT_EQ(decimalText(-0.0), "0");
  EXPECT_EQ(decimalText(1e7), "10000000");
}

TEST(BorderColors, SplitAtSingleBlanksAndJoinInLowerCase) {
  EXPECT_EQ(splitBorderColors("#AABBCC #000000 #000000 #AABBCC"),
            (std::vector<std::int32_t>{0xCCBBAA, 0, 0, 0xCCBBAA}));
  // Two blanks make an empty part, which is black; a fifth part is ignored.
  EXPECT_EQ(splitBorderColors("#FF0000  #00FF00 #0000FF #FFFFFF"),
            (std::vector<std::int32_t>{0xFF, 0, 0xFF00, 0xFF0000}));
  EXPECT_EQ(splitBorderColors("#FF0000 #00FF00").size(), 2u);
  EXPECT_EQ(joinBorderColors({0xCCBBAA, 0, 0, 0xCCBBAA}), "#aabbcc #000000 #000000 #aabbcc");
}

TEST(TitleAlign, OnlyTheThreeExactWordsStand) {
  for (const char* kept : {"left", "center", "right"}) EXPECT_EQ(normalTitleAlign(kept), kept);
  for (const char* replaced : {"Left", "", "centre", " left"}) EXPECT_EQ(normalTitleAlign(replaced), "center");
}

TEST(HomeUrl, TheBoxShowsTheNormalisedAddressAndNothingForABareScheme) {
  EXPECT_EQ(shownHomeUrl("http://"), "");
  EXPECT_EQ(shownHomeUrl("HTTP://"), "HTTP://");
  EXPECT_EQ(shownHomeUrl("www.example.org"), "http://www.example.org");
  EXPECT_EQ(shownHomeUrl("C:\\\\pages"), "C:\\\\pages");
}

TEST(LightboxStyle, RebuildsSixPartsWithOneFamilyAndTheFixedFallbacks) {
  LightboxLook look{0, 0xFFFFFF, 0xFFFFFF, 0x666666, "12", "Georgia", false};
  EXPECT_EQ(joinLightboxStyle(look), "#000000*#FFFFFF*#FFFFFF*12px Georgia, Helvetica, sans-serif*normal*#666666");
}

}  // namespace
}  // namespace velvara::settings
