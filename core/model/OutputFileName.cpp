#include "core/model/OutputFileName.h"

#include <algorithm>

namespace velvara::core {

std::string outputFileName(const ImageItem& image) {
  std::string name = image.outputBaseName;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '/' || c == '\\' || c == '\0'; }, '_');
  return name;
}

}  // namespace velvara::core
