#include "core/gallery/HtmlText.h"

namespace velvara::core {

namespace {

std::string replaceChar(std::string_view text, char c, std::string_view replacement) {
  std::string result;
  result.reserve(text.size());
  for (const char ch : text) {
    if (ch == c) {
      result += replacement;
    } else {
      result += ch;
    }
  }
  return result;
}

}  // namespace

std::string inDoubleQuotes(std::string_view text) { return replaceChar(text, '"', "&quot;"); }

std::string inSingleQuotes(std::string_view text) { return replaceChar(text, '\'', "&#39;"); }

std::string markupInDoubleQuotes(std::string_view markup) { return inDoubleQuotes(replaceChar(markup, '&', "&amp;")); }

std::string galleryFileReference(std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string result;
  result.reserve(name.size());
  for (const char ch : name) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '%' || ch == '#' || ch == '?' || ch == '&' || byte < 0x20 || byte == 0x7F) {
      result += {'%', kHex[byte >> 4], kHex[byte & 0xF]};
    } else {
      result += ch;
    }
  }
  return result;
}

}  // namespace velvara::core
