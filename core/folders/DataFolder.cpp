#include "core/folders/DataFolder.h"

#include <filesystem>
#include <system_error>

#include "platform/shell/Folders.h"

namespace velvara::core {

std::string getPersonalFolder() {
  std::string folder = shell::documentsFolder();
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string getDataFolder() {
  // Without a documents folder the data folder would land at the root of the
  // file system, which is nobody's to write; the caller falls back instead.
  const std::string documents = getPersonalFolder();
  if (documents.empty()) return {};
  const std::string path = (documents == "/" ? "" : documents) + "/VLR";
  std::error_code error;
  // A fresh account may not have its documents folder yet; making it too
  // keeps the user's settings out of the program's own (read-only) folder.
  std::filesystem::create_directories(path, error);
  if (error || !std::filesystem::is_directory(path, error)) return {};
  return path;
}

std::string chooseDataFolder() {
  std::string folder = getDataFolder();
  return folder.empty() ? shell::programFolder() : folder;
}

}  // namespace velvara::core
