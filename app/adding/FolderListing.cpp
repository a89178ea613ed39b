#include "app/adding/FolderListing.h"

#include <algorithm>
#include <filesystem>

namespace velvara::app {

FolderEntries listFolder(const std::string& folder) {
  namespace fs = std::filesystem;
  FolderEntries entries;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code kindError;
    std::string name = it->path().filename().string();
    if (it->is_regular_file(kindError)) {
      entries.files.push_back(std::move(name));
    } else if (it->is_directory(kindError)) {
      entries.subfolders.push_back(std::move(name));
    }
  }
  std::sort(entries.files.begin(), entries.files.end());
  std::sort(entries.subfolders.begin(), entries.subfolders.end());
  return entries;
}

}  // namespace velvara::app
