#pragma once
// Records with every field set (non-Western texts, reserved fields and bytes
// included) and old-format project files, for the file format tests and the
// fuzzing seeds.
#include <string>
#include <vector>

#include "core/model/GallerySettings.h"
#include "core/model/ImageItem.h"

namespace velvara::testing {

core::GallerySettings sampleSettings();
std::vector<core::ImageItem> sampleImages();

// A project file that begins "VLR100", as old versions wrote it.
std::string makeOldProjectFile(const core::GallerySettings& settings, const std::vector<core::OldImageItem>& images);

}  // namespace velvara::testing
