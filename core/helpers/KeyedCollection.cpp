#include "core/helpers/KeyedCollection.h"

namespace velvara::core {

std::string foldKeyCase(std::string_view key) {
  std::string folded(key);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    const auto lead = static_cast<unsigned char>(folded[i]);
    if (lead >= 'A' && lead <= 'Z') {
      folded[i] = static_cast<char>(lead - 'A' + 'a');
      continue;
    }
    if (i + 1 == folded.size()) break;
    const auto next = static_cast<unsigned char>(folded[i + 1]);
    if (lead == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97) {
      // U+00C0 to U+00DE, the multiplication sign apart: the small letter is 0x20 on.
      folded[i + 1] = static_cast<char>(next + 0x20);
    } else if (lead == 0xC5 && (next == 0x92 || next == 0xA0 || next == 0xBD)) {
      // OE, S and Z with caron: the small letter follows the capital.
      folded[i + 1] = static_cast<char>(next + 1);
    } else if (lead == 0xC5 && next == 0xB8) {
      // Y with diaeresis; its small letter is U+00FF.
      folded[i] = static_cast<char>(0xC3);
      folded[i + 1] = static_cast<char>(0xBF);
    }
  }
  return folded;
}

}  // namespace velvara::core
