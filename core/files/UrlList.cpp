#include "core/files/UrlList.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "core/files/FileAccess.h"
#include "core/files/FileLock.h"
#include "core/files/UrlListFormat.h"
#include "core/helpers/Paths.h"
#include "platform/shell/Folders.h"

namespace velvara::core {
namespace {

std::string urlListPath(const std::string& dataFolder) {
  return dataFolder + (dataFolder.ends_with('/') ? "" : "/") + "urls.txt";
}

// 64-bit FNV-1a: the same name for the same text in every process.
std::string hashName(const std::string& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  char name[17];
  std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(hash));
  return name;
}

// The lock over a data folder's list lies in the user's cache folder, named
// after the data folder (however its path is spelt), so that nothing but the
// list appears in the data folder. Without a cache folder (no home) it lies
// beside the list while a save holds it.
std::string urlListLockPath(const std::string& dataFolder) {
  const std::string cache = shell::cacheFolder();
  if (cache.empty()) return urlListPath(dataFolder) + ".lock";
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::weakly_canonical(dataFolder, error);
  const std::filesystem::path locks = std::filesystem::path(cache) / "velvara" / "locks";
  // A folder that cannot be made shows as the lock's own error.
  std::filesystem::create_directories(locks, error);
  return (locks / ("urls-" + hashName(folder.empty() ? dataFolder : folder.string()) + ".lock")).string();
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
  const std::string lockPath = urlListLockPath(dataFolder);
  FileLock lock(lockPath);
  if (lock.error()) {
    reportFileError(host, lockPath, lock.error());
    return false;
  }
  // Earlier versions kept their lock beside the list.
  if (lockPath != path + ".lock") {
    std::error_code ignored;
    std::filesystem::remove(path + ".lock", ignored);
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
