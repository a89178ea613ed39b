#pragma once
// One image of the project, and the image record of old project files.
#include <array>
#include <cstdint>
#include <string>

namespace velvara::core {

struct ImageItem {
  std::string sourcePath;
  std::string title;
  std::string tooltip;
  std::string linkUrl;
  bool openInSameWindow = false;
  // True while the image's preview slot holds a bitmap; only such images get
  // gallery JPEGs.
  bool thumbnailCached = false;
  std::string linkText;
  std::string outputBaseName;
  std::array<std::string, 5> spares;

  bool operator==(const ImageItem&) const = default;
};

// The image record of project files that begin "VLR100"; read only.
struct OldImageItem {
  std::string sourcePath;
  std::string title;
  std::string tooltip;
  std::string linkUrl;
  bool openInSameWindow = false;
  std::int16_t unused = 0;
};

}  // namespace velvara::core
