#include "core/helpers/KeyedCollection.h"

namespace velvara::core {

std::string foldKeyCase(std::string_view key) {
  std::string folded(key);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

}  // namespace velvara::core
