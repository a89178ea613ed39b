#include "linkcheck/LinkRows.h"

#include "core/helpers/Paths.h"
#include "core/model/GalleryFiles.h"

namespace velvara::linkcheck {

std::vector<LinkRow> collectLinkRows(const core::Project& project) {
  std::vector<LinkRow> rows;
  const auto& images = project.images.items();
  for (std::size_t i = 0; i < images.size(); ++i) {
    const int index = static_cast<int>(i);
    const core::ImageItem& image = images[i];
    if (!image.sourcePath.empty()) rows.push_back({RowKind::Image, image.sourcePath, index});
    if (!image.linkUrl.empty()) {
      rows.push_back(
          {RowKind::Url, core::substituteLink(image.linkUrl, core::getFileName(image.sourcePath, true)), index});
    }
  }
  const core::GallerySettings& settings = project.settings;
  if (!settings.homeUrl.empty()) rows.push_back({RowKind::Url, settings.homeUrl, -1});
  if (!settings.pageBackImage.empty()) rows.push_back({RowKind::Image, settings.pageBackImage, -1});
  if (!settings.cellBackImage.empty()) rows.push_back({RowKind::Image, settings.cellBackImage, -1});
  return rows;
}

}  // namespace velvara::linkcheck
