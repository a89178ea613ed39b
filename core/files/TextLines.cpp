#include "core/files/TextLines.h"

#include "core/text/Encoding.h"

namespace velvara::core {

std::vector<std::string> splitFileLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    lines.push_back(decodeFileText(bytes.substr(start, end - start)));
    bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
    start = end + (crLf ? 2 : 1);
  }
  return lines;
}

void appendFileLine(std::string& out, std::string_view utf8) {
  out += encodeFileText(utf8);
  out += "\r\n";
}

}  // namespace velvara::core
