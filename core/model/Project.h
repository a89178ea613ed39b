#pragma once
// The program-wide data of the gallery core: the settings record, the image
// list with its previews, and the path of the current project file ("" while
// the project has never been saved or opened).
#include <string>

#include "core/model/GallerySettings.h"
#include "core/model/ImageList.h"

namespace velvara::core {

struct Project {
  GallerySettings settings;
  ImageList images;
  std::string projectFile;
};

}  // namespace velvara::core
