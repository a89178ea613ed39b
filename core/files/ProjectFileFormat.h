#pragma once
// The project file (".vlr"): the current header, the settings record, a Long
// count and that many image records; or, in old files, the old header and old
// image records, which are converted to current ones as they are read.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/model/GallerySettings.h"
#include "core/model/ImageItem.h"

namespace velvara::core {

struct ProjectFileContents {
  bool oldFormat = false;
  GallerySettings settings;
  // Every field as stored, thumbnailCached included.
  std::vector<ImageItem> images;
};

// Nothing when the header is neither the current nor the old one, or when any
// record, the count or a length runs past the end of the bytes. A count that
// more bytes than there are would be needed for is refused before anything is
// allocated for it.
std::optional<ProjectFileContents> parseProjectFile(std::span<const std::uint8_t> bytes);

// The current format. Throws TextTooLong, naming the field and the image,
// when a text does not fit its 2-byte length.
std::string serializeProjectFile(const GallerySettings& settings, const std::vector<ImageItem>& images);

}  // namespace velvara::core
