#pragma once
// The name under which an image's thumbnail and large image are written,
// without ".jpg". The base name comes from titles and from files that users
// edit by hand, so a folder separator in it must never lead a JPEG out of the
// gallery's "thumbs" and "photos" folders.
#include <string>

#include "core/model/ImageItem.h"

namespace velvara::core {

// outputBaseName with every "/", "\" and NUL replaced by "_".
std::string outputFileName(const ImageItem& image);

}  // namespace velvara::core
