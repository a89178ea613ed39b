#include "app/adding/DroppedFiles.h"

#include <QString>
#include <filesystem>

namespace velvara::app {

std::vector<std::string> droppedLocalFiles(const QList<QUrl>& urls) {
  std::vector<std::string> paths;
  for (const QUrl& url : urls) {
    if (!url.isLocalFile()) continue;
    // The path's own bytes, as the address carries them percent-encoded: Qt
    // would turn those of a name that is not UTF-8 into U+FFFD, naming no
    // file. A file on another host keeps Qt's "//host/path".
    if (url.host().isEmpty()) {
      paths.push_back(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
    } else {
      paths.push_back(url.toLocalFile().toStdString());
    }
  }
  return paths;
}

std::string droppedPathInLowerCase(const std::string& path) {
  std::string lowered = QString::fromStdString(path).toLower().toStdString();
  if (lowered == path) return path;
  std::error_code error;
  return std::filesystem::equivalent(lowered, path, error) ? lowered : path;
}

}  // namespace velvara::app
