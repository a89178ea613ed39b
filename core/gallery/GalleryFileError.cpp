#include "core/gallery/GalleryFileError.h"

#include <utility>

#include "i18n/StringService.h"

namespace velvara::core {

GalleryFileError::GalleryFileError(std::string path, int number, std::string reason)
    : std::runtime_error(path + ": " + reason), path_(std::move(path)), number_(number), reason_(std::move(reason)) {}

GalleryFileError::GalleryFileError(std::string path, const std::error_code& code)
    : GalleryFileError(std::move(path), code.value(), code.message()) {}

GalleryFileError::GalleryFileError(std::string path, int number, int reasonId, std::vector<std::string> values)
    : std::runtime_error(path),
      path_(std::move(path)),
      number_(number),
      reasonId_(reasonId),
      values_(std::move(values)) {}

std::string GalleryFileError::reason(const i18n::StringService& strings) const {
  return reasonId_ != 0 ? strings.fillIn(reasonId_, values_) : reason_;
}

}  // namespace velvara::core
