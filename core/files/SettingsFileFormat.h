#pragma once
// The settings file (".vls", "default.vlm"): the current header and the
// settings record. A current project file begins the same way, so its
// settings read as a settings file.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/model/GallerySettings.h"

namespace velvara::core {

// Nothing when the bytes do not begin with the current header or the record
// runs past their end. Bytes after the record are not looked at.
std::optional<GallerySettings> parseSettingsFile(std::span<const std::uint8_t> bytes);

// Throws TextTooLong when a text does not fit its 2-byte length.
std::string serializeSettingsFile(const GallerySettings& settings);

}  // namespace velvara::core
