// Reading and writing the numeric box's numbers under both kinds of locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "widgets/numericbox/NumberText.h"

namespace velvara::widgets {
namespace {

TEST(NumberTextTest, TheLeadingNumberStopsAtTheFirstForeignCharacter) {
  struct Case {
    const char* text;
    char separator;
    double number;
    bool whole;
  };
  const Case cases[] = {
      {"", '.', 0, false},
      {"abc", '.', 0, false},
      {"  12", '.', 12, true},
      {"12px", '.', 12, false},
      {"-7", '.', -7, true},
      {"1.5", '.', 1.5, true},
      {"1,5", ',', 1.5, true},
      {"1.5", ',', 1.5, true},
      {"1,5", '.', 1, false},
      {"1.2.3", '.', 1.2, false},
      {"-", '.', 0, false},
      {"2e3", '.', 2000, true},
      {"2e", '.', 2, false},
      {".5", '.', 0.5, true},
      {"5.", '.', 5, true},
      {"1e999", '.', HUGE_VAL, true},
      {"-1e999", '.', -HUGE_VAL, true},
      {"1e-999", '.', 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " with separator " + c.separator);
    EXPECT_EQ(leadingNumber(c.text, c.separator), c.number);
    EXPECT_EQ(isNumberText(c.text, c.separator), c.whole);
  }
}

TEST(NumberTextTest, PatternsRoundHalfAwayFromZeroAndWriteTheLocalesSeparator) {
  struct Case {
    double value;
    const char* pattern;
    char separator;
    const char* text;
  };
  const Case cases[] = {
      {12, "0", '.', "12"},
      {2.5, "0", '.', "3"},
      {-2.5, "0", '.', "-3"},
      {-0.4, "0", '.', "0"},
      {1, "0.00", ',', "1,00"},
      {1.5, "0.00", '.', "1.50"},
      {1.005, "0.0#", '.', "1.0"},
      {1.25, "0.0#", ',', "1,25"},
      {0.5, "#.00", '.', ".50"},
      {7, "000", '.', "007"},
      {2147483647, "0", '.', "2147483647"},
      {-2147483648.0, "0", '.', "-2147483648"},
      {3.25, "", ',', "3,25"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " as " + c.pattern);
    EXPECT_EQ(formatNumber(c.value, c.pattern, c.separator), c.text);
  }
}

// Qt hands the user's locale to the C library when the program starts; under
// a German one the C library's number functions take "," for the point.
TEST(NumberTextTest, NumbersDoNotDependOnTheCLibrarysLocale) {
  struct RestoredLocale {
    std::string name = std::setlocale(LC_NUMERIC, nullptr);
    ~RestoredLocale() { std::setlocale(LC_NUMERIC, name.c_str()); }
  } restored;
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale on this machine";
  EXPECT_EQ(leadingNumber("1.5", ','), 1.5);
  EXPECT_EQ(leadingNumber("1,5", ','), 1.5);
  EXPECT_EQ(formatNumber(3.25, "", '.'), "3.25");
}

}  // namespace
}  // namespace velvara::widgets
