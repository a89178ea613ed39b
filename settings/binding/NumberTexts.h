#pragma once
// How the settings record's number texts become the numbers of the dialog's
// boxes and back.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velvara::settings {

// The text read as a decimal number ("." as the point, blanks around it
// allowed) and rounded to a whole number, halves to the even neighbour;
// nothing when the text is no number or the result lies outside the 32-bit
// (or, with sixteenBits, the 16-bit) range.
std::optional<std::int32_t> wholeNumber(std::string_view text, bool sixteenBits = false);

// The number rounded to a whole number, halves to the even neighbour;
// nothing outside the 32-bit (or 16-bit) range.
std::optional<std::int32_t> wholeNumber(double value, bool sixteenBits = false);

// The number formed by the longest leading run of the text that reads as a
// decimal number, after leading blanks, with "." as the point; 0 when the
// text does not begin with a number.
double leadingNumber(std::string_view text);

// The number as plain decimal text ("160", "10.5"). The point is written
// whatever the user's locale: the text goes into settings and project files
// that other copies of the program read, and into style sheets, where a
// comma would make the browser drop the rule.
std::string decimalText(double value);

}  // namespace velvara::settings
