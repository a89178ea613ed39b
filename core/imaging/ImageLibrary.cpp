#include "core/imaging/ImageLibrary.h"

#include "core/imaging/ReadableFormats.h"
#include "platform/imagelib/Library.h"

namespace velvara::core {

void gflInit(ImageLibrary& library) {
  if (library.gflReady) return;
  imagelib::libraryInit();
  library.gflReady = true;
}

void gflExit(ImageLibrary& library) {
  if (library.gflReady) imagelib::libraryExit();
}

bool isSupportedImageExt(ImageLibrary& library, const std::string& ext) {
  if (!library.supportedExtensions) library.supportedExtensions = readableExtensions();
  return library.supportedExtensions->contains(foldKeyCase(ext));
}

}  // namespace velvara::core
