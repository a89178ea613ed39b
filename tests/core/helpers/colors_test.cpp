#include "core/helpers/Colors.h"

#include <gtest/gtest.h>

#include <set>

#include "core/helpers/WebColors.h"

namespace velvara::core {
namespace {

TEST(ColorToHtml, WritesRedGreenBlueInUpperCase) {
  EXPECT_EQ(colorToHtml(255), "#FF0000");
  EXPECT_EQ(colorToHtml(0), "#000000");
  EXPECT_EQ(colorToHtml(0xFF0000), "#0000FF");
  EXPECT_EQ(colorToHtml(0x7F7F7F), "#7F7F7F");
  EXPECT_EQ(colorToHtml(0x0A0B0C), "#0C0B0A");
}

TEST(ColorToHtml, IgnoresTheFlagsOfSystemColours) {
  EXPECT_EQ(colorToHtml(static_cast<std::int32_t>(0x80000005u)), "#050000");
  EXPECT_EQ(colorToHtml(-1), "#FFFFFF");
}

TEST(HtmlToColor, ReadsSixAndThreeDigitsOtherwiseBlack) {
  struct Case {
    const char* text;
    std::int32_t color;
  };
  const Case cases[] = {
      {"#FF0000", 255},
      {"ff0000", 255},
      {"#0000ff", 16711680},
      {"#fff", 16777215},
      {"#a5c", 0xCC55AA},
      {"#12345", 0},
      {"", 0},
      {"#", 0},
      {"##FFFFFF", 16777215},
      {"#FF#00#00#", 255},
      {"#1G2345", 0x452301},       // a channel reads up to its first non-hex digit
      {"#G12345", 0x452300},       // a channel that starts with none counts 0
      {"#\u00E9\u00E9\u00E9", 0},  // three characters, none of them a digit
      {"#1234567", 0},
      {" #FFF", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(htmlToColor(c.text), c.color);
  }
}

TEST(HtmlToColor, ReadsBackEveryColourTextWritten) {
  for (std::int32_t c = 0; c <= 0xFFFFFF; ++c) {
    if (htmlToColor(colorToHtml(c)) != c) {
      FAIL() << "colour " << c << " became " << htmlToColor(colorToHtml(c));
    }
  }
}

TEST(WebColorTable, HoldsTheSixStepsRedSlowestBlueFastest) {
  const std::vector<std::string> table = buildWebColorTable();
  ASSERT_EQ(table.size(), kWebColorCount);
  EXPECT_EQ(table[0], "000000");
  EXPECT_EQ(table[1], "000033");
  EXPECT_EQ(table[5], "0000FF");
  EXPECT_EQ(table[6], "003300");
  EXPECT_EQ(table[30], "00FF00");
  EXPECT_EQ(table[35], "00FFFF");
  EXPECT_EQ(table[36], "330000");
  EXPECT_EQ(table[43], "333333");
  EXPECT_EQ(table[100], "66CCCC");
  EXPECT_EQ(table[180], "FF0000");
  EXPECT_EQ(table[215], "FFFFFF");
}

TEST(WebColorTable, EntriesAreDistinctSixDigitUpperCaseColours) {
  const std::vector<std::string> table = buildWebColorTable();
  std::set<std::string> distinct(table.begin(), table.end());
  EXPECT_EQ(distinct.size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::string& entry = table[i];
    SCOPED_TRACE(entry);
    ASSERT_EQ(entry.size(), 6u);
    EXPECT_EQ(entry.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    // The palette dialog turns each entry into a colour through the colour text.
    const std::int32_t color = htmlToColor(entry);
    const std::int32_t red = 51 * static_cast<std::int32_t>(i / 36);
    const std::int32_t green = 51 * static_cast<std::int32_t>(i / 6 % 6);
    const std::int32_t blue = 51 * static_cast<std::int32_t>(i % 6);
    EXPECT_EQ(color, red + 256 * green + 65536 * blue);
  }
  EXPECT_EQ(buildWebColorTable(), table);
}

}  // namespace
}  // namespace velvara::core
