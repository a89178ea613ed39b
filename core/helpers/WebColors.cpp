#include "core/helpers/WebColors.h"

namespace velvara::core {

std::vector<std::string> buildWebColorTable() {
  static constexpr const char* kSteps[] = {"00", "33", "66", "99", "CC", "FF"};
  std::vector<std::string> table;
  table.reserve(kWebColorCount);
  for (const char* red : kSteps) {
    for (const char* green : kSteps) {
      for (const char* blue : kSteps) table.push_back(std::string(red) + green + blue);
    }
  }
  return table;
}

}  // namespace velvara::core
