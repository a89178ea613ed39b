#pragma once
// The gallery's own style sheet "library/ktvlr.css", with copies of the page
// and cell background images beside it.
#include "core/model/GallerySettings.h"

namespace velvara::core {

// Writes destFolder/library/ktvlr.css anew (the "library" folder must exist)
// and copies the background images there, replacing earlier copies. A failure
// is thrown as GalleryFileError; the sheet may then be incomplete.
void writeStyleCss(const GallerySettings& settings);

}  // namespace velvara::core
