#include "core/helpers/Colors.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace velvara::core {
namespace {

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The hexadecimal number at the start of piece, up to its first character
// that is no hex digit; 0 when it starts with none.
std::int32_t leadingHex(std::string_view piece) {
  std::int32_t value = 0;
  for (const char c : piece) {
    const int digit = hexDigitValue(c);
    if (digit < 0) break;
    value = value * 16 + digit;
  }
  return value;
}

// The text split into characters (each a whole UTF-8 sequence), so that the
// length rule counts what a user sees rather than bytes.
std::vector<std::string_view> characters(std::string_view text) {
  std::vector<std::string_view> result;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = start + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    result.push_back(text.substr(start, end - start));
    start = end;
  }
  return result;
}

}  // namespace

std::string colorToHtml(std::int32_t color) {
  // System colour values carry flags in the high byte; only the red, green
  // and blue bytes make a colour text.
  const auto value = static_cast<std::uint32_t>(color) & 0xFFFFFF;
  const std::uint32_t red = value & 0xFF;
  const std::uint32_t green = (value >> 8) & 0xFF;
  const std::uint32_t blue = value >> 16;
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const std::uint32_t rgb = (red << 16) | (green << 8) | blue;
  std::string text = "#";
  for (int shift = 20; shift >= 0; shift -= 4) text += kDigits[(rgb >> shift) & 0xF];
  return text;
}

std::int32_t htmlToColor(const std::string& text) {
  std::string digits;
  for (const char c : text) {
    if (c != '#') digits += c;
  }
  const std::vector<std::string_view> chars = characters(digits);
  std::int32_t red = 0;
  std::int32_t green = 0;
  std::int32_t blue = 0;
  if (chars.size() == 6) {
    const auto pair = [&](std::size_t i) { return leadingHex(std::string(chars[i]) + std::string(chars[i + 1])); };
    red = pair(0);
    green = pair(2);
    blue = pair(4);
  } else if (chars.size() == 3) {
    red = 17 * leadingHex(chars[0]);
    green = 17 * leadingHex(chars[1]);
    blue = 17 * leadingHex(chars[2]);
  }
  return red + 256 * green + 65536 * blue;
}

}  // namespace velvara::core
