#include "core/helpers/Paths.h"

#include <filesystem>
#include <system_error>

namespace velvara::core {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// A drive ends in ":" only in Windows-style paths; a path that holds a "/" is
// one of ours, where ":" is an ordinary character ("12:30.jpg").
bool colonEndsDrive(const std::string& path) { return path.find('/') == std::string::npos; }

}  // namespace

std::string fileNameOfPath(const std::string& path) {
  const bool colonCounts = colonEndsDrive(path);
  for (std::size_t i = path.size(); i > 0; --i) {
    const char c = path[i - 1];
    if (isSeparator(c) || (colonCounts && c == ':')) return path.substr(i);
  }
  return path;
}

std::string stripExtension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string getFileName(const std::string& path, bool withExtension) {
  std::size_t position = path.find_last_of("\\/");
  if (position == std::string::npos) position = path.rfind(':');
  std::string name = position == std::string::npos ? path : path.substr(position + 1);
  return withExtension ? name : stripExtension(name);
}

bool pathExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  static_cast<void>(std::filesystem::last_write_time(path, error));
  return !error;
}

}  // namespace velvara::core
