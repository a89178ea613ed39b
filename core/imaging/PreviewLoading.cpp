#include "core/imaging/PreviewLoading.h"

#include <algorithm>

#include "core/helpers/Paths.h"
#include "core/imaging/FitSize.h"
#include "core/jobs/OrderedRun.h"
#include "core/model/ImageList.h"
#include "platform/imagelib/Library.h"

namespace velvara::core {

LoadedPreview loadPreview(const std::string& path, double boxWidth, double boxHeight, bool keepAspect) {
  LoadedPreview preview;
  preview.readable = true;
  // Decoding straight to the preview size reads a large photo at a fraction
  // of its resolution; the result is the loaded picture resized to the box.
  preview.status = imagelib::loadResizedFor(
      path,
      [&](const imagelib::ImageInfo& info, std::int32_t& width, std::int32_t& height) {
        const PixelSize size = fitToBox(info.width, info.height, boxWidth, boxHeight, keepAspect);
        width = size.width;
        height = size.height;
      },
      preview.bitmap);
  return preview;
}

void loadPreviews(ImageLibrary& library, const std::vector<std::string>& paths, double boxWidth, double boxHeight,
                  bool keepAspect, const std::function<void(std::size_t, LoadedPreview&)>& deliver) {
  gflInit(library);
  std::vector<bool> readable(paths.size());
  for (std::size_t i = 0; i < paths.size(); ++i) readable[i] = isSupportedImageExt(library, getFileExtension(paths[i]));
  const int workers = library.workerCount > 0 ? library.workerCount : workersForThisMachine();
  imagelib::setThreadsPerPicture(std::max(1, workersForThisMachine() / workers));
  runInOrder<LoadedPreview>(
      paths.size(), workers,
      [&](std::size_t i) {
        return readable[i] ? loadPreview(paths[i], boxWidth, boxHeight, keepAspect) : LoadedPreview();
      },
      [&](std::size_t i, LoadedPreview& preview) {
        deliver(i, preview);
        return true;
      },
      [](std::size_t, LoadedPreview&) {});
}

}  // namespace velvara::core
