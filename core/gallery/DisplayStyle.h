#pragma once
// What differs between the display styles, in one table: the lines a page's
// head gets for the style, the writer of an image's cell and the script
// package the gallery folder gets. Whether a style copies linked local files
// is the model's (core/model/GalleryFiles.h), since production needs it too.
#include <cstdint>
#include <string>
#include <vector>

#include "core/gallery/GalleryCells.h"
#include "core/host/Host.h"
#include "core/model/GallerySettings.h"

namespace velvara::core {

struct DisplayStyle {
  // Between the head's "Include this rows" comments.
  std::vector<std::string> headLines;
  void (*writeCell)(PageLines& lines, const GallerySettings& settings, const CellArguments& cell);
  // Writes the style's package into the gallery folder; false when the build
  // stops there (the user declined, or a folder failed, with its message).
  bool (*writePackage)(Host& host, const GallerySettings& settings, bool htmlOnly);
  // Cells link every image's link, asked for or not, and show no link text.
  bool alwaysLinks = false;
};

// The style galleryStyle names; nothing for a value that is no style: its
// pages get no style lines and no cells, and no package is written.
const DisplayStyle* displayStyleOf(std::int16_t galleryStyle);

}  // namespace velvara::core
