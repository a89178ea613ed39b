#include "app/adding/DroppedFiles.h"

#include <QString>
#include <filesystem>

namespace velvara::app {

std::vector<std::string> droppedLocalFiles(const QList<QUrl>& urls) {
  std::vector<std::string> paths;
  for (const QUrl& url : urls)
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  return paths;
}

std::string droppedPathInLowerCase(const std::string& path) {
  std::string lowered = QString::fromStdString(path).toLower().toStdString();
  if (lowered == path) return path;
  std::error_code error;
  return std::filesystem::equivalent(lowered, path, error) ? lowered : path;
}

}  // namespace velvara::app
