#pragma once
// The table that the build generates from the embedded files; read only by Assets.cpp.
#include <cstddef>

namespace velvara::assets::detail {

struct AssetEntry {
  const char* group;
  const char* name;
  const unsigned char* data;
  std::size_t size;
};

extern const AssetEntry kAssetEntries[];
extern const std::size_t kAssetEntryCount;

}  // namespace velvara::assets::detail
