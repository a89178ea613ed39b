#include "core/model/GalleryFiles.h"

#include "core/helpers/Paths.h"
#include "core/helpers/Urls.h"
#include "core/model/OutputFileName.h"

namespace velvara::core {
namespace {

// A link the gallery keeps a copy of: something local that exists and is no
// page.
bool namesCopiedFile(const std::string& link) {
  return !link.empty() && !isHttpUrl(link) && !isHtmlFile(link) && pathExists(link);
}

}  // namespace

std::string substituteLink(const std::string& link, const std::string& fileName) {
  const auto at = link.find("/%");
  if (at == std::string::npos) return link;
  return link.substr(0, at + 1) + fileName;
}

bool copiesLinkedFiles(std::int16_t galleryStyle) {
  return galleryStyle == static_cast<std::int16_t>(GalleryStyle::Shadowbox);
}

std::string galleryCopyHref(const std::string& link) {
  return namesCopiedFile(link) ? "gallery/" + galleryFileReference(getFileName(link, true)) : std::string();
}

GalleryFiles galleryFilesOf(const GallerySettings& settings, const ImageItem& image) {
  GalleryFiles files;
  const std::string name = outputFileName(image);
  files.thumbFile = settings.destFolder + "/thumbs/" + name + ".jpg";
  files.photoFile = settings.destFolder + "/photos/" + name + ".jpg";
  files.thumbHref = "thumbs/" + galleryFileReference(name) + ".jpg";
  files.photoHref = "photos/" + galleryFileReference(name) + ".jpg";
  files.link = substituteLink(image.linkUrl, getFileName(image.sourcePath, true));
  if (copiesLinkedFiles(settings.galleryStyle) && namesCopiedFile(files.link)) {
    files.copySource = files.link;
    files.copyFile = settings.destFolder + "/gallery/" + getFileName(files.link, true);
    files.copyHref = galleryCopyHref(files.link);
  }
  return files;
}

}  // namespace velvara::core
