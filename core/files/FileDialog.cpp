#include "core/files/FileDialog.h"

#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/files/TextLines.h"
#include "core/host/Host.h"
#include "i18n/AddedStrings.h"
#include "i18n/StringService.h"

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

bool endsWithIgnoringCase(std::string_view text, std::string_view end) {
  if (text.size() < end.size()) return false;
  text.remove_prefix(text.size() - end.size());
  for (std::size_t i = 0; i < end.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(end[i]))) {
      return false;
    }
  }
  return true;
}

// Every name that does not end in "." and extension gets them, also one
// holding a dot of its own ("Rom 2024.05"): the program lists and opens only
// files with its extension. A name ending in a lone "." gets the extension
// after that dot.
std::string withExtension(const std::string& path, const std::string& extension) {
  if (extension.empty() || endsWithIgnoringCase(path, "." + extension)) return path;
  return path + (path.ends_with('.') ? "" : ".") + extension;
}

// A dangling link counts: replacing it is a replacement too.
bool exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found;
}

bool replaceConfirmed(Host& host, const std::string& title, const std::string& path) {
  Message question;
  question.icon = MessageIcon::Exclamation;
  question.buttons = MessageButtons::YesNo;
  question.title = title;
  question.text = host.strings().fillIn(i18n::added::kReplaceFile, {path});
  return host.showMessage(question) == MessageAnswer::Yes;
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
                    const std::string& defaultName, const std::string& filter, bool mustExist, bool isSave,
                    const std::string& extension) {
  FileDialogRequest request;
  request.startFolder = folder;
  request.proposedPath = proposedFileName(folder, defaultName);
  request.title = title;
  request.filter = filter;
  request.nameFilters = dialogNameFilters(filter);
  request.mustExist = mustExist;
  request.isSave = isSave;
  for (;;) {
    auto chosen = host.askFileName(request);
    if (!chosen || chosen->empty()) return false;
    const std::string path = isSave ? withExtension(*chosen, extension) : *chosen;
    // The dialog asked about the name as typed; the file the extension names
    // is not replaced unasked. No goes back to the dialog, on that name.
    if (path != *chosen && exists(path) && !replaceConfirmed(host, title, path)) {
      request.proposedPath = path;
      continue;
    }
    folder = folderOf(path);
    fileName = path;
    return true;
  }
}

}  // namespace velvara::core
