#include "core/files/UrlListFormat.h"

#include "core/files/TextLines.h"
#include "core/helpers/Urls.h"

namespace velvara::core {

std::vector<std::string> parseUrlList(std::string_view bytes) {
  std::vector<std::string> urls;
  for (const auto& line : splitFileLines(bytes)) {
    std::string url = normalizeUrl(std::string(trimBlanks(line)));
    if (!url.empty()) urls.push_back(std::move(url));
  }
  return urls;
}

std::string formatUrlList(const KeyedCollection<std::string>& urlHistory) {
  std::string out;
  for (const auto& [key, url] : urlHistory) {
    if (!url.empty()) appendFileLine(out, url);
  }
  return out;
}

void rememberUrl(KeyedCollection<std::string>& urlHistory, const std::string& url) {
  if (!urlHistory.contains(url)) urlHistory.add(url, url);
}

}  // namespace velvara::core
