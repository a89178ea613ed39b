#include "tests/support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace velvara::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velvara-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempDir::names() const {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(path_))
    found.push_back(entry.path().filename().string());
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace velvara::testing
