#pragma once
// Writing the gallery's JPEG files: a thumbnail and a large image for every
// image whose preview is loaded, and for the Shadowbox style the local files
// that images link to.
#include <cstdint>
#include <string>

#include "core/host/Host.h"
#include "core/imaging/ImageLibrary.h"
#include "core/model/Project.h"

namespace velvara::core {

// Empties "thumbs" and "photos" (and "gallery" for the Shadowbox style) in
// the gallery folder, keeping their subfolders, then writes every image's
// files. The progress bar runs and the main window is disabled only for more
// than two images; the event loop is served once per image.
//
// Failures of single pictures are reported per file and production goes on.
// A folder that cannot be made, a file that cannot be deleted or copied, a
// gallery JPEG that cannot be written (a full disk), or a size setting that is
// not a number ends production with a message: the result is then false, with
// the window enabled and the caption restored, and no file of a later image
// is left behind.
//
// The pictures are made by library.workerCount workers at once (one per core
// when 0); every call on host happens in this thread, in the order and at the
// turn a loop over the images would make it.
bool makeGalleryImages(Host& host, const Project& project, ImageLibrary& library);

// Turns src into one JPEG at dst that fits the box: resized (keeping the
// proportions when keepAspect) only when larger than the box on either side,
// then sharpened by sharpen (0: not at all). Every failure is shown in a
// message box titled dst.
void makeJpeg(Host& host, const std::string& src, std::int32_t boxWidth, std::int32_t boxHeight, const std::string& dst,
              bool keepAspect, std::int16_t quality, std::int16_t sharpen);

}  // namespace velvara::core
