#pragma once
// Private to the image library: what a JPEG file's markers say before its
// picture data, read from the file directly so that the picture is decoded
// by a single libvips reader at the right shrink. What is read here only
// steers; libvips' own reading of the same file decides, and a picture
// whose reading differs is read the general way.
#include <cstdint>
#include <optional>

namespace velvara::imagelib::detail {

struct JpegMarkers {
  std::int32_t width = 0;
  std::int32_t height = 0;
  int components = 0;
  // Scans that each refine the whole picture: decoded, the picture is held
  // whole.
  bool progressive = false;
  // The EXIF orientation of the first EXIF block, 1 when there is none.
  int orientation = 1;
  bool colourProfile = false;
};

// The markers of the JPEG file open as descriptor up to its first scan, or
// nothing when they cannot be read or hold anything unusual (an EXIF block
// whose orientation cannot be found, no frame header).
std::optional<JpegMarkers> readJpegMarkers(int descriptor);

}  // namespace velvara::imagelib::detail
