#include "core/helpers/Urls.h"

#include "core/helpers/Blanks.h"

#include <string_view>
#include <vector>

#include "core/helpers/KeyedCollection.h"

namespace velvara::core {
namespace {

bool startsWithNoCase(std::string_view text, std::string_view lowerPrefix) {
  return text.size() >= lowerPrefix.size() && foldKeyCase(text.substr(0, lowerPrefix.size())) == lowerPrefix;
}

bool endsWithNoCase(std::string_view text, std::string_view lowerSuffix) {
  return text.size() >= lowerSuffix.size() && foldKeyCase(text.substr(text.size() - lowerSuffix.size())) == lowerSuffix;
}

void dropTrailingSlash(std::string& text) {
  if (!text.empty() && text.back() == '/') text.pop_back();
}

// The folders of a base address. A base that starts with "/" or has no "/"
// at all is kept whole as one part; otherwise empty pieces count as parts.
std::vector<std::string> baseParts(const std::string& base) {
  const std::size_t firstSlash = base.find('/');
  if (firstSlash == 0 || firstSlash == std::string::npos) return {base};
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t slash = firstSlash; slash != std::string::npos; slash = base.find('/', start)) {
    parts.push_back(base.substr(start, slash - start));
    start = slash + 1;
  }
  parts.push_back(base.substr(start));
  return parts;
}

}  // namespace

bool isHtmlFile(const std::string& name) { return endsWithNoCase(name, ".html") || endsWithNoCase(name, ".htm"); }

bool isHttpUrl(const std::string& text) { return startsWithNoCase(text, "http://"); }

bool isWwwUrl(const std::string& text) { return startsWithNoCase(text, "www."); }

bool isWebAddress(const std::string& text) { return isHttpUrl(text) || isWwwUrl(text); }

std::string normalizeUrl(const std::string& url) {
  std::string address;
  // "http:\\host" is an http address typed with Windows separators: it is
  // mended like the pairs inside an address.
  if (isHttpUrl(url) || startsWithNoCase(url, "http:\\\\")) {
    address = url;
  } else if (isWwwUrl(url)) {
    address = "http://" + url;
  } else {
    return url;
  }
  std::string result;
  result.reserve(address.size());
  for (std::size_t i = 0; i < address.size(); ++i) {
    if (address[i] == '\\' && i + 1 < address.size() && address[i + 1] == '\\') {
      result += "//";
      ++i;
    } else {
      result += address[i];
    }
  }
  return result;
}

bool resolveRelativeUrl(const std::string& baseUrl, const std::string& relUrl, std::string& result) {
  result.clear();
  if (baseUrl.empty() || relUrl.empty()) return false;

  std::string base = foldKeyCase(trimBlanks(baseUrl));
  std::string prefix;
  if (base.starts_with("http://")) {
    prefix = "http://";
    base.erase(0, prefix.size());
  } else if (base.starts_with("www.")) {
    prefix = "http://";
  }
  dropTrailingSlash(base);
  const std::vector<std::string> parts = baseParts(base);
  long count = static_cast<long>(parts.size());

  std::string rel = foldKeyCase(trimBlanks(relUrl));
  dropTrailingSlash(rel);
  while (rel.starts_with("../")) {
    rel.erase(0, 3);
    --count;
  }

  if (count < 0 || (count == 0 && prefix.empty())) return false;
  std::string joined;
  if (count == 0) {
    joined = rel;
  } else {
    for (long i = 0; i < count; ++i) joined += parts[static_cast<std::size_t>(i)] + "/";
    joined += rel;
  }
  result = prefix + joined;
  return true;
}

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
