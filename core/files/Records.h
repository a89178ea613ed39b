#pragma once
// The settings record and the image records as the settings and project
// files hold them, field by field in the order of the records.
#include <cstddef>

#include "core/files/BinaryReader.h"
#include "core/files/BinaryWriter.h"
#include "core/model/GallerySettings.h"
#include "core/model/ImageItem.h"

namespace velvara::core {

// The smallest each image record can be: every text empty.
inline constexpr std::size_t kMinImageRecordSize = 26;
inline constexpr std::size_t kMinOldImageRecordSize = 12;

GallerySettings readSettingsRecord(BinaryReader& in);
void writeSettingsRecord(BinaryWriter& out, const GallerySettings& settings);

ImageItem readImageRecord(BinaryReader& in);
void writeImageRecord(BinaryWriter& out, const ImageItem& item);

OldImageItem readOldImageRecord(BinaryReader& in);

}  // namespace velvara::core
