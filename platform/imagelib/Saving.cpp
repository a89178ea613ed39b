#include <filesystem>

#include "platform/imagelib/Library.h"
#include "platform/imagelib/VipsSupport.h"

namespace velvara::imagelib {

Status saveJpeg(const Bitmap& bitmap, const std::string& path, int quality) {
  namespace fs = std::filesystem;
  fs::path target(path);
  fs::path partial = target.parent_path() / ("." + target.filename().string() + ".part");
  Status status = detail::guarded(ErrorCode::WriteError, [&] {
    if (quality < 1 || quality > 100) throw detail::Failure{ErrorCode::BadParameters, "quality"};
    std::vector<std::uint8_t> storage;
    vips::VImage image = detail::fromBitmap(bitmap, storage);
    image.jpegsave(partial.c_str(), vips::VImage::option()->set("Q", quality)->set("strip", true));
    std::error_code ec;
    fs::rename(partial, target, ec);
    if (ec) throw detail::Failure{ErrorCode::WriteError, ec.message()};
  });
  if (!status.ok()) {
    std::error_code ignored;
    fs::remove(partial, ignored);
  }
  return status;
}

}  // namespace velvara::imagelib
