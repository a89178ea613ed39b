#include "core/files/UrlList.h"

#include "core/files/FileAccess.h"
#include "core/files/FileLock.h"
#include "core/files/UrlListFormat.h"
#include "core/helpers/Paths.h"

namespace velvara::core {
namespace {

std::string urlListPath(const std::string& dataFolder) {
  return dataFolder + (dataFolder.ends_with('/') ? "" : "/") + "urls.txt";
}

}  // namespace

bool loadUrlList(Host& host, KeyedCollection<std::string>& urlHistory, const std::string& dataFolder) {
  if (dataFolder.empty()) return true;
  std::string path = urlListPath(dataFolder);
  if (!pathExists(path)) return true;
  std::error_code error;
  auto bytes = readWholeFile(path, error);
  if (error) {
    reportFileError(host, path, error);
    return false;
  }
  for (const auto& url : parseUrlList(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
    rememberUrl(urlHistory, url);
  }
  return true;
}

bool saveUrlList(Host& host, KeyedCollection<std::string>& urlHistory, const std::string& dataFolder) {
  if (dataFolder.empty()) return true;
  std::string path = urlListPath(dataFolder);
  // Another running copy that read the file before this one replaced it
  // would replace it in turn without this copy's addresses: reading, merging
  // and replacing take turns under one lock.
  FileLock lock(path + ".lock");
  if (lock.error()) {
    reportFileError(host, path + ".lock", lock.error());
    return false;
  }
  if (!loadUrlList(host, urlHistory, dataFolder)) return false;
  if (urlHistory.empty()) return true;
  if (auto error = replaceFileAtomically(path, formatUrlList(urlHistory))) {
    reportFileError(host, path, error);
    return false;
  }
  return true;
}

}  // namespace velvara::core
