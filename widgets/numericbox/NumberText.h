#pragma once
// Numbers as the numeric box reads and writes them: the leading number of a
// text, and a number written with a display pattern of "0" and "#" digit
// places and a decimal point (".", written as the locale's separator).
#include <string>
#include <string_view>

namespace velvara::widgets {

// The number at the start of text after leading blanks: an optional sign,
// digits, one decimal point and an exponent. Both "." and the locale's
// separator count as the decimal point, so that the text the box itself
// writes under any locale reads back whole. Reading stops at the first
// character that does not belong to the number; 0 when there is none.
double leadingNumber(std::string_view text, char localeSeparator);

// Whether the whole text, apart from surrounding blanks, is such a number.
bool isNumberText(std::string_view text, char localeSeparator);

// value written with pattern: "0" places always written, "#" places only
// when they carry a digit, the number rounded half away from zero to the
// pattern's decimal places; characters before the first and after the last
// place are copied. An empty pattern writes the number as it is.
std::string formatNumber(double value, std::string_view pattern, char localeSeparator);

}  // namespace velvara::widgets
