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

// XDG_DOCUMENTS_DIR from user-dirs.dirs, written "$HOME/..." or as an
// absolute path; "" when absent. The file is read like the shell would: a
// later line overrides an earlier one.
std::string documentsFromUserDirs(const std::string& configHome, const std::string& home) {
  std::ifstream file(configHome + "/user-dirs.dirs");
  const std::string key = "XDG_DOCUMENTS_DIR=";
  std::string found;
  for (std::string line; std::getline(file, line);) {
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
    std::string value = line.substr(start + key.size());
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r')) value.pop_back();
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value == "$HOME" || value.rfind("$HOME/", 0) == 0) value = home + value.substr(5);
    if (!value.empty() && value.front() == '/') found = value;
  }
  return found;
}

}  // namespace

std::string documentsFolder() {
  std::string home = environment("HOME");
  if (home.empty()) return {};
  // A relative XDG_CONFIG_HOME is to be ignored, as an empty one is.
  std::string configHome = environment("XDG_CONFIG_HOME");
  if (configHome.empty() || configHome.front() != '/') configHome = home + "/.config";
  std::string fromUserDirs = documentsFromUserDirs(configHome, home);
  return fromUserDirs.empty() ? home + "/Documents" : fromUserDirs;
}

std::string cacheFolder() {
  const std::string cacheHome = environment("XDG_CACHE_HOME");
  if (!cacheHome.empty() && cacheHome.front() == '/') return cacheHome;
  const std::string home = environment("HOME");
  return home.empty() ? std::string() : home + "/.cache";
}

namespace {

std::filesystem::path executablePath() {
  std::error_code error;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : exe;
}

}  // namespace

std::string programFolder() { return executablePath().parent_path().string(); }

std::string programName() { return executablePath().stem().string(); }

}  // namespace velvara::shell
