#include "platform/shell/Folders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace velvara::shell {
namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// Reads XDG_DOCUMENTS_DIR="$HOME/..." from user-dirs.dirs; "" when absent.
std::string documentsFromUserDirs(const std::string& configHome, const std::string& home) {
  std::ifstream file(configHome + "/user-dirs.dirs");
  for (std::string line; std::getline(file, line);) {
    const std::string key = "XDG_DOCUMENTS_DIR=";
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
    if (!value.empty() && value.front() == '/') return value;
  }
  return {};
}

}  // namespace

std::string documentsFolder() {
  std::string home = environment("HOME");
  if (home.empty()) return {};
  std::string configHome = environment("XDG_CONFIG_HOME");
  if (configHome.empty()) configHome = home + "/.config";
  std::string fromUserDirs = documentsFromUserDirs(configHome, home);
  return fromUserDirs.empty() ? home + "/Documents" : fromUserDirs;
}

std::string programFolder() {
  std::error_code error;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.parent_path().string();
}

}  // namespace velvara::shell
