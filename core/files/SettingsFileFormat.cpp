#include "core/files/SettingsFileFormat.h"

#include "core/files/Records.h"
#include "core/model/FileHeader.h"

namespace velvara::core {

std::optional<GallerySettings> parseSettingsFile(std::span<const std::uint8_t> bytes) {
  if (!isCurrentFileHeader(bytes)) return std::nullopt;
  BinaryReader in(bytes.subspan(kFileHeader.size()));
  try {
    return readSettingsRecord(in);
  } catch (const MalformedFile&) {
    return std::nullopt;
  }
}

std::string serializeSettingsFile(const GallerySettings& settings) {
  BinaryWriter out;
  out.writeBytes(kFileHeader);
  writeSettingsRecord(out, settings);
  return out.take();
}

}  // namespace velvara::core
