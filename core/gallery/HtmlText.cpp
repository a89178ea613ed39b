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

std::string inComment(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char ch : text) {
    if (ch == '-' && !result.empty() && result.back() == '-') result += ' ';
    result += ch;
  }
  return result;
}

}  // namespace velvara::core
