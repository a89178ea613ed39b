#pragma once
// A failure to make, list, delete or write something of the gallery folder:
// the path concerned, the system's error number and its description, so that
// whoever reports it can name all three.
#include <stdexcept>
#include <string>
#include <system_error>

namespace velvara::core {

class GalleryFileError : public std::runtime_error {
 public:
  GalleryFileError(std::string path, int number, std::string reason);
  // From a system error code (errno or std::filesystem's).
  GalleryFileError(std::string path, const std::error_code& code);

  const std::string& path() const { return path_; }
  int number() const { return number_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string path_;
  int number_;
  std::string reason_;
};

}  // namespace velvara::core
