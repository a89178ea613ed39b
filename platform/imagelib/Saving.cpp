#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "platform/imagelib/Library.h"
#include "platform/imagelib/VipsSupport.h"

namespace velvara::imagelib {
namespace {

namespace fs = std::filesystem;

// The hidden file beside target that the new contents are written to.
fs::path partialFileOf(const fs::path& target) {
  return target.parent_path() / ("." + target.filename().string() + ".part");
}

// Writes bytes to a new file at partial. A failure names target, the file
// the user looks for, with the system's reason (a full disk, a file size
// limit, a read-only folder).
void writeNewFile(const fs::path& partial, const std::string& target, const void* bytes, std::size_t size) {
  auto fail = [&](int error) { throw detail::Failure{ErrorCode::WriteError, target + ": " + std::strerror(error)}; };
  int fd = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) fail(errno);
  const char* at = static_cast<const char*>(bytes);
  while (size > 0) {
    ssize_t written = ::write(fd, at, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      int error = written < 0 ? errno : ENOSPC;
      ::close(fd);
      fail(error);
    }
    at += written;
    size -= static_cast<std::size_t>(written);
  }
  if (::close(fd) != 0) fail(errno);
}

}  // namespace

Status saveJpeg(const Bitmap& bitmap, const std::string& path, int quality) {
  fs::path target(path);
  fs::path partial = partialFileOf(target);
  Status status = detail::guarded(ErrorCode::WriteError, [&] {
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
    writeNewFile(partial, path, bytes, size);
    std::error_code ec;
    fs::rename(partial, target, ec);
    if (ec) throw detail::Failure{ErrorCode::WriteError, path + ": " + ec.message()};
  });
  if (!status.ok()) {
    std::error_code ignored;
    fs::remove(partial, ignored);
  }
  return status;
}

}  // namespace velvara::imagelib
