#pragma once
// Private to the image library: a picture file opened once. Its first bytes
// tell which reader it needs, and the readers read it through the same
// opening instead of each opening it anew.
#include <array>
#include <string>
#include <string_view>

#include <vips/vips8>

namespace velvara::imagelib::detail {

class PictureFile {
 public:
  // Opens path for reading. A path that names no regular file, or one that
  // cannot be opened, gives a file that is not open, with no first bytes.
  explicit PictureFile(std::string path);
  PictureFile(const PictureFile&) = delete;
  PictureFile& operator=(const PictureFile&) = delete;
  ~PictureFile();

  const std::string& path() const { return path_; }
  bool isOpen() const { return descriptor_ >= 0; }
  int descriptor() const { return descriptor_; }
  // Up to the first 12 bytes.
  std::string_view head() const { return {head_.data(), headSize_}; }

  // A JPEG 2000 file or bare codestream, whatever its name ends with.
  bool isJpeg2000() const;
  // A file libvips' JPEG reader takes: it begins with a start-of-image
  // marker. No reader of a picture format it ranks higher takes such a file.
  bool isJpeg() const;

  // A libvips source that reads the file from its first byte.
  vips::VSource source() const;

 private:
  std::string path_;
  int descriptor_ = -1;
  std::array<char, 12> head_{};
  std::size_t headSize_ = 0;
};

}  // namespace velvara::imagelib::detail
