#pragma once
// Settings that no build can use. They only come from hand-made settings or
// project files, and are refused before anything is written.
#include <optional>
#include <string>

#include "core/model/GallerySettings.h"

namespace velvara::core {

// What is wrong with the settings for a gallery build, as a message for the
// user; nothing when columns and rows are at least 1 and the image sizes and
// the JPEG quality are whole numbers.
std::optional<std::string> galleryBuildProblem(const GallerySettings& settings);

}  // namespace velvara::core
