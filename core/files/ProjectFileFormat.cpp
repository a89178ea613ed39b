#include "core/files/ProjectFileFormat.h"

#include "core/files/Records.h"
#include "core/helpers/Paths.h"
#include "core/model/FileHeader.h"

namespace velvara::core {
namespace {

// An old record keeps its texts and open mode; the link text is the default
// of the settings read with it, the base name the source's file name without
// extension (not made unique, as old projects always loaded).
ImageItem convertOldRecord(const OldImageItem& old, const GallerySettings& settings) {
  ImageItem item;
  item.sourcePath = old.sourcePath;
  item.title = old.title;
  item.tooltip = old.tooltip;
  item.linkUrl = old.linkUrl;
  item.openInSameWindow = old.openInSameWindow;
  item.linkText = settings.defaultLinkText;
  item.outputBaseName = getFileName(old.sourcePath, false);
  return item;
}

std::size_t checkedCount(BinaryReader& in, std::size_t minRecordSize) {
  std::int32_t count = in.readLong();
  if (count < 0 || static_cast<std::size_t>(count) > in.remaining() / minRecordSize) {
    throw MalformedFile("image count does not fit the file");
  }
  return static_cast<std::size_t>(count);
}

}  // namespace

std::optional<ProjectFileContents> parseProjectFile(std::span<const std::uint8_t> bytes) {
  ProjectFileContents contents;
  if (isOldProjectHeader(bytes)) {
    contents.oldFormat = true;
  } else if (!isCurrentFileHeader(bytes)) {
    return std::nullopt;
  }
  BinaryReader in(bytes.subspan(kFileHeader.size()));
  try {
    contents.settings = readSettingsRecord(in);
    std::size_t count = checkedCount(in, contents.oldFormat ? kMinOldImageRecordSize : kMinImageRecordSize);
    contents.images.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      contents.images.push_back(contents.oldFormat ? convertOldRecord(readOldImageRecord(in), contents.settings)
                                                   : readImageRecord(in));
    }
  } catch (const MalformedFile&) {
    return std::nullopt;
  }
  return contents;
}

std::string serializeProjectFile(const GallerySettings& settings, const std::vector<ImageItem>& images) {
  BinaryWriter out;
  out.writeBytes(kFileHeader);
  writeSettingsRecord(out, settings);
  out.writeLong(static_cast<std::int32_t>(images.size()));
  for (std::size_t i = 0; i < images.size(); ++i) {
    try {
      writeImageRecord(out, images[i]);
    } catch (TextTooLong& tooLong) {
      tooLong.imageIndex = i;
      throw;
    }
  }
  return out.take();
}

}  // namespace velvara::core
