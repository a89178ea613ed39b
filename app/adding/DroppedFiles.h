#pragma once
// The paths of files dropped from a file manager.
#include <QList>
#include <QUrl>
#include <string>
#include <vector>

namespace velvara::app {

// The local files among the dropped addresses, in their order; other
// addresses are passed over.
std::vector<std::string> droppedLocalFiles(const QList<QUrl>& urls);

// A dropped path is taken in lower case, so that a dropped file's source
// path, title and base name are lower case. Where the file system tells
// letter cases apart and the lower-cased path does not name the same file,
// the path is kept as dropped: a lower-cased path would name no file at all.
std::string droppedPathInLowerCase(const std::string& path);

}  // namespace velvara::app
