#pragma once
// Private to the image library: the readers that decode inside the calling
// process, whatever the format. The public readers use them for every format
// whose decoder can be trusted with a damaged file; the decoder helper uses
// them for the others.
#include <cstdint>
#include <string>

#include "platform/imagelib/Bitmap.h"
#include "platform/imagelib/Library.h"
#include "platform/imagelib/Status.h"

namespace velvara::imagelib::detail {

Status readImageInfoInProcess(const std::string& path, ImageInfo& info);
Status loadBitmapInProcess(const std::string& path, Bitmap& bitmap);
Status loadResizedInProcess(const std::string& path, std::int32_t width, std::int32_t height, Bitmap& bitmap);
Status loadResizedForInProcess(const std::string& path, const SizeFor& sizeFor, Bitmap& bitmap);

// Any picture as libvips' own reader and thumbnail give it. The readers
// above take a shorter way for plain JPEGs (JpegReading.h) that must give
// the very same pictures.
Status loadResizedForGeneralWay(const std::string& path, const SizeFor& sizeFor, Bitmap& bitmap);

}  // namespace velvara::imagelib::detail
