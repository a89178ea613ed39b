#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/files/TemporaryFile.h"
#include "platform/imagelib/Library.h"
#include "platform/imagelib/VipsSupport.h"

namespace velvara::imagelib {
namespace {

// Writes bytes into a new file beside target and renames it over target. A
// failure names target, the file the user looks for, with the system's reason
// (a full disk, a file size limit, a read-only folder); the new file is then
// removed and target stays as it was.
void replaceFile(const std::string& target, const void* bytes, std::size_t size) {
  auto fail = [&](int error) { throw detail::Failure{ErrorCode::WriteError, target + ": " + std::strerror(error)}; };
  files::TemporaryFile file(target);
  if (file.error()) fail(file.error().value());
  const char* at = static_cast<const char*>(bytes);
  while (size > 0) {
    ssize_t written = ::write(file.fd(), at, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) fail(written < 0 ? errno : ENOSPC);
    at += written;
    size -= static_cast<std::size_t>(written);
  }
  if (const std::error_code error = file.close()) fail(error.value());
  if (const std::error_code error = file.putInPlace()) fail(error.value());
}

}  // namespace

Status saveJpeg(const Bitmap& bitmap, const std::string& path, int quality) {
  return detail::guarded(ErrorCode::WriteError, [&] {
    if (quality < 1 || quality > 100) throw detail::Failure{ErrorCode::BadParameters, "quality"};
    std::vector<std::uint8_t> storage;
    vips::VImage image = detail::fromBitmap(bitmap, storage);
    // Encoded in memory and written here, so that a failed write is told
    // with the system's own reason.
    auto unref = [](VipsBlob* blob) { vips_area_unref(VIPS_AREA(blob)); };
    std::unique_ptr<VipsBlob, decltype(unref)> encoded(
        image.jpegsave_buffer(vips::VImage::option()->set("Q", quality)->set("strip", true)), unref);
    std::size_t size = 0;
    const void* bytes = vips_blob_get(encoded.get(), &size);
    replaceFile(path, bytes, size);
  });
}

}  // namespace velvara::imagelib
