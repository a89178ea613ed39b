#include "core/files/FileDialog.h"

#include <string_view>

#include "core/files/TextLines.h"
#include "core/host/Host.h"

namespace velvara::core {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    auto at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

// The description without a trailing "(...)" group of its own.
std::string_view bareDescription(std::string_view description) {
  description = trimBlanks(description);
  if (description.ends_with(')')) {
    auto open = description.rfind('(');
    if (open != std::string_view::npos) description = trimBlanks(description.substr(0, open));
  }
  return description;
}

std::string folderOf(const std::string& path) {
  auto slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return {};
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

}  // namespace

std::vector<std::string> dialogNameFilters(const std::string& filter) {
  std::vector<std::string> filters;
  auto parts = split(filter, '|');
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    std::string patterns;
    for (auto pattern : split(parts[i + 1], ';')) {
      pattern = trimBlanks(pattern);
      if (pattern.empty()) continue;
      if (!patterns.empty()) patterns += ' ';
      patterns += pattern;
    }
    if (patterns.empty()) continue;
    std::string_view description = bareDescription(parts[i]);
    filters.push_back(description.empty() ? "(" + patterns + ")" : std::string(description) + " (" + patterns + ")");
  }
  return filters;
}

std::string proposedFileName(const std::string& folder, const std::string& defaultName) {
  if (defaultName.empty()) return {};
  if (folder.empty() || folder.ends_with('/') || folder.ends_with('\\')) return folder + defaultName;
  return folder + "/" + defaultName;
}

bool showFileDialog(Host& host, std::string& folder, std::string& fileName, const std::string& title,
                    const std::string& defaultName, const std::string& filter, bool mustExist, bool isSave) {
  FileDialogRequest request;
  request.startFolder = folder;
  request.proposedPath = proposedFileName(folder, defaultName);
  request.title = title;
  request.filter = filter;
  request.nameFilters = dialogNameFilters(filter);
  request.mustExist = mustExist;
  request.isSave = isSave;
  auto chosen = host.askFileName(request);
  if (!chosen || chosen->empty()) return false;
  folder = folderOf(*chosen);
  fileName = *chosen;
  return true;
}

}  // namespace velvara::core
