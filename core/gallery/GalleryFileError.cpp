#include "core/gallery/GalleryFileError.h"

#include <utility>

namespace velvara::core {

GalleryFileError::GalleryFileError(std::string path, int number, std::string reason)
    : std::runtime_error(path + ": " + reason), path_(std::move(path)), number_(number), reason_(std::move(reason)) {}

GalleryFileError::GalleryFileError(std::string path, const std::error_code& code)
    : GalleryFileError(std::move(path), code.value(), code.message()) {}

}  // namespace velvara::core
