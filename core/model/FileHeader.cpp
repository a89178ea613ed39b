#include "core/model/FileHeader.h"

#include <algorithm>

namespace velvara::core {
namespace {

bool startsWith(std::span<const std::uint8_t> bytes, const FileHeader& header) {
  return bytes.size() >= header.size() && std::equal(header.begin(), header.end(), bytes.begin());
}

}  // namespace

bool isOldProjectHeader(std::span<const std::uint8_t> bytes) { return startsWith(bytes, kOldProjectHeader); }

bool isCurrentFileHeader(std::span<const std::uint8_t> bytes) { return startsWith(bytes, kFileHeader); }

}  // namespace velvara::core
