#pragma once
// A failure to make, list, delete or write something of the gallery folder:
// the path concerned, the system's error number and its description, so that
// whoever reports it can name all three.
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace velvara::i18n {
class StringService;
}

namespace velvara::core {

class GalleryFileError : public std::runtime_error {
 public:
  GalleryFileError(std::string path, int number, std::string reason);
  // From a system error code (errno or std::filesystem's).
  GalleryFileError(std::string path, const std::error_code& code);
  // A reason of the program's own: the added string reasonId filled in with
  // values, in the language current when it is reported.
  GalleryFileError(std::string path, int number, int reasonId, std::vector<std::string> values);

  const std::string& path() const { return path_; }
  int number() const { return number_; }
  // The system's description, or the program's own reason.
  std::string reason(const i18n::StringService& strings) const;

 private:
  std::string path_;
  int number_;
  std::string reason_;
  int reasonId_ = 0;
  std::vector<std::string> values_;
};

}  // namespace velvara::core
