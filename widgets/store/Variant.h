#pragma once
// A value of any kind, as registry values cross the accessor: nothing yet,
// a 16-bit or 32-bit integer, a floating-point number, a text or an array of
// bytes.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace velvara::widgets {

using Bytes = std::vector<std::uint8_t>;
using Variant = std::variant<std::monostate, std::int16_t, std::int32_t, double, std::string, Bytes>;

// The value as text: "" for nothing, numbers in decimal (at most 15
// significant digits), bytes taken as they are.
std::string textOf(const Variant& value);

// The value as a whole number: nothing is 0, numbers are rounded to the
// nearest (a half to the even neighbour), texts holding a number convert.
// Throws std::invalid_argument for anything else, std::out_of_range beyond 32 bits.
std::int32_t wholeNumberOf(const Variant& value);

}  // namespace velvara::widgets
