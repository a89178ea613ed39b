#include "tests/support/TempDir.h"

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

}  // namespace velvara::testing
