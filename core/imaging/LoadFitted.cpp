#include "core/imaging/LoadFitted.h"

#include "core/helpers/Paths.h"
#include "core/imaging/PreviewLoading.h"
#include "core/model/ImageList.h"

namespace velvara::core {

bool loadFitted(ImageLibrary& library, const std::string& path, float boxWidth, float boxHeight,
                imagelib::Bitmap& bmp) {
  if (!isSupportedImageExt(library, getFileExtension(path)) || !pathExists(path)) return false;
  LoadedPreview preview = loadPreview(path, boxWidth, boxHeight, true);
  if (!preview.loaded()) return false;
  bmp = std::move(preview.bitmap);
  return true;
}

}  // namespace velvara::core
