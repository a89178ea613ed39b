#include "core/imaging/LoadFitted.h"

#include "core/helpers/Paths.h"
#include "core/imaging/FitSize.h"
#include "core/model/ImageList.h"
#include "platform/imagelib/Library.h"

namespace velvara::core {

bool loadFitted(ImageLibrary& library, const std::string& path, float boxWidth, float boxHeight,
                imagelib::Bitmap& bmp) {
  if (!isSupportedImageExt(library, getFileExtension(path)) || !pathExists(path)) return false;
  imagelib::ImageInfo info;
  if (!imagelib::readImageInfo(path, info).ok()) return false;
  PixelSize size = fitToBox(info.width, info.height, boxWidth, boxHeight, true);
  imagelib::Bitmap preview;
  if (!imagelib::loadResized(path, size.width, size.height, preview).ok()) return false;
  bmp = std::move(preview);
  return true;
}

}  // namespace velvara::core
