#include "tests/support/SampleFiles.h"

#include "core/files/BinaryWriter.h"
#include "core/files/Records.h"
#include "core/model/FileHeader.h"

namespace velvara::testing {

core::GallerySettings sampleSettings() {
  core::GallerySettings s;
  setDefaultSettings(s, "Galerie d'été — 夏の写真", "/home/ü/Documents");
  s.columns = -7;
  s.rows = 0x12345678;
  s.spareText1 = "spare one";
  s.spareText2 = "Ελληνικά";
  s.baseUrl = "http://127.0.0.1/gallery/";
  s.pageBackImage = "/img/back ground.png";
  s.cellBackImage = "/img/cell€.png";
  for (std::size_t i = 0; i < s.spareTexts.size(); ++i) s.spareTexts[i] = "spare " + std::to_string(i);
  s.addParentLink = 1;
  s.addImageLinks = 1;
  s.galleryStyle = 7;
  s.keepAspectRatio = -1;
  for (std::size_t i = 0; i < s.spareBytes.size(); ++i) s.spareBytes[i] = static_cast<std::uint8_t>(0xF0 + i);
  return s;
}

std::vector<core::ImageItem> sampleImages() {
  core::ImageItem first;
  first.sourcePath = "/photos/Köln/dom.jpg";
  first.title = "Kölner Dom";
  first.tooltip = "Москва? no, Köln";
  first.linkUrl = "http://127.0.0.1/dom";
  first.openInSameWindow = true;
  first.thumbnailCached = true;
  first.linkText = "3D";
  first.outputBaseName = "dom";
  first.spares = {"a", "", "c", "", "€"};

  core::ImageItem second;
  second.sourcePath = "/photos/東京/tower.png";
  second.title = "東京タワー";
  second.tooltip = "";
  second.outputBaseName = "tower";
  return {first, second};
}

std::string makeOldProjectFile(const core::GallerySettings& settings, const std::vector<core::OldImageItem>& images) {
  core::BinaryWriter out;
  out.writeBytes(core::kOldProjectHeader);
  core::writeSettingsRecord(out, settings);
  out.writeLong(static_cast<std::int32_t>(images.size()));
  for (const auto& item : images) {
    out.writeText(item.sourcePath);
    out.writeText(item.title);
    out.writeText(item.tooltip);
    out.writeText(item.linkUrl);
    out.writeBoolean(item.openInSameWindow);
    out.writeInteger(item.unused);
  }
  return out.take();
}

}  // namespace velvara::testing
