#pragma once
// Turning one picture file into one new image of the project, with its
// preview bitmap.
#include <cstdint>
#include <string>

#include "core/host/Host.h"
#include "core/imaging/ImageLibrary.h"
#include "core/imaging/PreviewLoading.h"
#include "core/model/Project.h"
#include "platform/imagelib/Bitmap.h"

namespace velvara::core {

// Appends the image of path with a preview fitted into the box; true when it
// was added. Unreadable files are refused silently; a path that is in the
// project already is refused with a message.
bool addImage(Host& host, Project& project, ImageLibrary& library, const std::string& path, std::int32_t boxWidth,
              std::int32_t boxHeight, bool keepAspect);

// What addImage does with path once its preview is loaded (see
// loadPreviews): the list grown when full, the duplicate check and its
// message, the failed resize's message, and the new image appended. True
// when it was added.
bool addLoadedImage(Host& host, Project& project, const std::string& path, LoadedPreview&& preview);

// Makes the record and the preview of one file without touching the list.
// The preview is always resized to the box, also when that enlarges it.
bool newImage(Host& host, const Project& project, ImageLibrary& library, const std::string& path, ImageItem& item,
              imagelib::Bitmap& bitmap, std::int32_t boxWidth, std::int32_t boxHeight, bool keepAspect);

// newImage once the preview of path is loaded (see loadPreviews): the
// duplicate check, the failed resize's message and the new record.
bool acceptPreview(Host& host, const Project& project, const std::string& path, LoadedPreview&& preview,
                   ImageItem& item, imagelib::Bitmap& bitmap);

}  // namespace velvara::core
