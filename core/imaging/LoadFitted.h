#pragma once
// The preview loader of the thumbnail strip and of reloading all previews.
#include <string>

#include "core/imaging/ImageLibrary.h"
#include "platform/imagelib/Bitmap.h"

namespace velvara::core {

// Loads the picture at path fitted into the box keeping its proportions (a
// small picture is enlarged to the box); false, with bmp unchanged and
// nothing shown, when the extension is not readable, the file is missing or
// it cannot be decoded.
bool loadFitted(ImageLibrary& library, const std::string& path, float boxWidth, float boxHeight, imagelib::Bitmap& bmp);

}  // namespace velvara::core
