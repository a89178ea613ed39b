#pragma once
// The table cell of one image in the markup of each display style, and the
// row of page links of a multi-page gallery. Each writer appends whole lines.
#include <string>
#include <vector>

#include "core/model/GalleryFiles.h"
#include "core/model/GallerySettings.h"

namespace velvara::core {

using PageLines = std::vector<std::string>;

// What the page writer passes for one image. thumb and photo are the relative
// addresses of the image's JPEG files ("thumbs/NAME.jpg", "photos/NAME.jpg"),
// already encoded for use in an address.
struct CellArguments {
  std::string title;
  std::string alt;
  std::string link;
  std::string linkText;
  std::string tooltip;
  std::string thumb;
  std::string photo;
  std::string target;
  // The source file's name with its extension.
  std::string fileName;
};

// Plain-link style: nothing at all for an image without a link.
void writeCellLink(PageLines& lines, const GallerySettings& settings, const CellArguments& cell);

// Shadowbox style: the image's own large image unless it links elsewhere; a
// link to an existing local file (not a page) points at its copy in
// "gallery/".
void writeCellShadowbox(PageLines& lines, const GallerySettings& settings, const CellArguments& cell);

// Lightbox style: the large image opens in the overlay, the image's link (if
// any) shown in the caption and below the thumbnail.
void writeCellLightbox(PageLines& lines, const GallerySettings& settings, const CellArguments& cell);

// The page links for page current (1-based) of pages (at least 2). Its last
// line closes the gallery-name row.
void writePagingCell(PageLines& lines, int current, int pages);

}  // namespace velvara::core
