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

namespace {

// The documents folder followed by "/VLR"; "" without a documents folder.
std::string dataFolderPath() {
  // Without a documents folder the data folder would land at the root of the
  // file system, which is nobody's to write; the caller falls back instead.
  const std::string documents = getPersonalFolder();
  return documents.empty() ? std::string() : (documents == "/" ? "" : documents) + "/VLR";
}

}  // namespace

std::string getDataFolder() {
  const std::string path = dataFolderPath();
  if (path.empty()) return {};
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

std::string findDataFolder() {
  const std::string path = dataFolderPath();
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(path, error) ? path : shell::programFolder();
}

}  // namespace velvara::core
