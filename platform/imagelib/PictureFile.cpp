#include "platform/imagelib/PictureFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace velvara::imagelib::detail {
namespace {

// The JP2 file format's signature box, and the start of a bare codestream:
// its SOC marker followed by the SIZ marker.
constexpr std::string_view kJp2Signature("\x00\x00\x00\x0C\x6A\x50\x20\x20\x0D\x0A\x87\x0A", 12);
constexpr std::string_view kCodestreamStart("\xFF\x4F\xFF\x51", 4);
constexpr std::string_view kJpegStart("\xFF\xD8", 2);

}  // namespace

PictureFile::PictureFile(std::string path) : path_(std::move(path)) {
  int descriptor = -1;
  do {
    descriptor = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  } while (descriptor < 0 && errno == EINTR);
  if (descriptor < 0) return;
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    return;
  }
  descriptor_ = descriptor;
  while (headSize_ < head_.size()) {
    const ssize_t got =
        ::pread(descriptor_, head_.data() + headSize_, head_.size() - headSize_, static_cast<off_t>(headSize_));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    headSize_ += static_cast<std::size_t>(got);
  }
}

PictureFile::~PictureFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

bool PictureFile::isJpeg2000() const {
  return head().starts_with(kJp2Signature) || head().starts_with(kCodestreamStart);
}

bool PictureFile::isJpeg() const { return head().starts_with(kJpegStart); }

vips::VSource PictureFile::source() const {
  // libvips reads through a duplicate of the descriptor, which shares its
  // position: each source starts at the first byte.
  ::lseek(descriptor_, 0, SEEK_SET);
  return vips::VSource::new_from_descriptor(descriptor_);
}

}  // namespace velvara::imagelib::detail
