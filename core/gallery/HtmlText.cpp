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

std::string galleryFileReference(std::string_view name) {
  std::string result;
  result.reserve(name.size());
  for (const char ch : name) {
    switch (ch) {
      case '%':
        result += "%25";
        break;
      case '#':
        result += "%23";
        break;
      case '?':
        result += "%3F";
        break;
      default:
        result += ch;
    }
  }
  return result;
}

}  // namespace velvara::core
