#pragma once
// Every file and address the gallery uses for one image, in one place: what
// production writes and copies, and what the pages refer to. Production and
// the cell writers both take them from here.
#include <string>

#include "core/model/GallerySettings.h"
#include "core/model/ImageItem.h"

namespace velvara::core {

struct GalleryFiles {
  // Where production writes the thumbnail and the large image.
  std::string thumbFile;
  std::string photoFile;
  // How the pages refer to them: "thumbs/NAME.jpg", "photos/NAME.jpg", the
  // name encoded for use in an address.
  std::string thumbHref;
  std::string photoHref;
  // The image's link with "/%" substituted (see substituteLink).
  std::string link;
  // Styles that copy linked local files: the file the link names, where its
  // copy goes and how the page refers to it; all empty when nothing is copied.
  std::string copySource;
  std::string copyFile;
  std::string copyHref;
};

GalleryFiles galleryFilesOf(const GallerySettings& settings, const ImageItem& image);

// A link holding "/%" becomes its text up to and including that "/" followed
// by fileName; any other link stays as it is.
std::string substituteLink(const std::string& link, const std::string& fileName);

// Whether the display style copies the local files that images link to into
// the gallery's "gallery" folder (the Shadowbox style).
bool copiesLinkedFiles(std::int16_t galleryStyle);

// The address of the gallery's copy of what link names, "gallery/NAME", when
// link is a local file or folder that is not a page; else "".
std::string galleryCopyHref(const std::string& link);

}  // namespace velvara::core
