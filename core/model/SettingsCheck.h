#pragma once
// Settings that no build can use. They only come from hand-made settings or
// project files, and are refused before anything is written.
#include <cstdint>
#include <optional>
#include <string>

#include "core/model/GallerySettings.h"

namespace velvara::i18n {
class StringService;
}

namespace velvara::core {

// The image sizes and the JPEG quality of the settings as numbers.
struct GallerySizes {
  std::int32_t thumbWidth = 0;
  std::int32_t thumbHeight = 0;
  std::int32_t imageWidth = 0;
  std::int32_t imageHeight = 0;
  std::int32_t jpegQuality = 0;
};

// The sizes and quality when each is a whole number in its range (blanks
// around it allowed); else nothing, with a message for the user, in the
// current language, in problem.
std::optional<GallerySizes> gallerySizes(const GallerySettings& settings, const i18n::StringService& strings,
                                         std::string& problem);

// What is wrong with the settings for a gallery build, as a message for the
// user in the current language; nothing when columns and rows are at least 1, gallerySizes accepts
// the sizes and quality, and the title alignment is "left", "center" or
// "right" (exactly).
std::optional<std::string> galleryBuildProblem(const GallerySettings& settings, const i18n::StringService& strings);

}  // namespace velvara::core
