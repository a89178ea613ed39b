#include "assets/Assets.h"

#include <algorithm>
#include <cctype>

#include "assets/AssetTable.h"

namespace velvara::assets {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::span<const detail::AssetEntry> entries() { return {detail::kAssetEntries, detail::kAssetEntryCount}; }

}  // namespace

std::optional<Bytes> find(std::string_view group, std::string_view name) {
  for (const auto& entry : entries()) {
    if (sameIgnoringCase(entry.group, group) && sameIgnoringCase(entry.name, name)) {
      return Bytes(reinterpret_cast<const std::uint8_t*>(entry.data), entry.size);
    }
  }
  return std::nullopt;
}

std::vector<std::string> names(std::string_view group) {
  std::vector<std::string> result;
  for (const auto& entry : entries()) {
    if (sameIgnoringCase(entry.group, group)) result.emplace_back(entry.name);
  }
  return result;
}

}  // namespace velvara::assets
