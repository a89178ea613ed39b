#include "platform/imagelib/Formats.h"

#include "platform/imagelib/VipsSupport.h"

namespace velvara::imagelib {
namespace detail {

const std::vector<FormatEntry>& formatTable() {
  // ImageMagick reads documents and data as well as pictures; it is used for
  // Windows bitmaps only, recognised by their signature.
  static const std::vector<FormatEntry> table = {
      {"jpeg", "JPEG", {"jpg", "jpeg", "jpe", "jfif"}, "jpegload", "", true},
      {"png", "Portable Network Graphics", {"png"}, "pngload", "", false},
      {"gif", "CompuServe GIF", {"gif"}, "gifload", "", false},
      {"tiff", "TIFF", {"tif", "tiff"}, "tiffload", "", false},
      {"webp", "WebP", {"webp"}, "webpload", "", false},
      {"heif", "HEIF", {"heic", "heif"}, "heifload", "", false},
      {"avif", "AVIF", {"avif"}, "heifload", "", false},
      {"jpeg2000", "JPEG 2000", {"jp2", "j2k", "jpf", "jpx", "j2c", "jpc"}, "jp2kload", "", false},
      {"jpegxl", "JPEG XL", {"jxl"}, "jxlload", "", false},
      {"pnm", "Portable Any Map", {"pbm", "pgm", "ppm", "pnm"}, "ppmload", "", false},
      {"bmp", "Windows Bitmap", {"bmp", "dib"}, "magickload", "BM", false},
  };
  return table;
}

bool loaderAvailable(std::string_view loader) {
  return isReady() && vips_type_find("VipsOperation", std::string(loader).c_str()) != 0;
}

}  // namespace detail

std::vector<FormatInfo> formats() {
  std::vector<FormatInfo> result;
  for (const detail::FormatEntry& entry : detail::formatTable()) {
    FormatInfo info;
    info.name = entry.name;
    info.description = entry.description;
    info.extensions.assign(entry.extensions.begin(), entry.extensions.end());
    info.readable = detail::loaderAvailable(entry.loader);
    info.writable = entry.writable && info.readable;
    result.push_back(std::move(info));
  }
  return result;
}

int formatIndexByName(const std::string& name) {
  const auto& table = detail::formatTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace velvara::imagelib
