#include "core/gallery/MakeGallery.h"

#include <filesystem>

#include "core/gallery/DisplayStyle.h"
#include "core/gallery/FileOutput.h"
#include "core/gallery/GalleryFolderCheck.h"
#include "core/gallery/GalleryPages.h"
#include "core/gallery/StyleSheet.h"
#include "core/model/ProductInfo.h"
#include "core/model/SettingsCheck.h"
#include "core/production/ImageProduction.h"
#include "core/text/Encoding.h"
#include "i18n/StringService.h"

namespace velvara::core {

namespace {

constexpr int kStringNoImages = 181;
constexpr int kStringErrorWritingFile = 197;
constexpr int kStringCreatingWebFolder = 200;
constexpr int kStringCreatingThumbnails = 201;
constexpr int kStringImage = 202;

bool writePackage(Host& host, const GallerySettings& settings, bool htmlOnly) {
  const DisplayStyle* style = displayStyleOf(settings.galleryStyle);
  return style == nullptr || style->writePackage(host, settings, htmlOnly);
}

// Writes every page; answers the name of the first.
std::string writePages(Host& host, const GallerySettings& settings, const std::vector<ImageItem>& images) {
  const std::string imageCaption = host.strings().loadMlString(kStringImage);
  const std::int64_t pages =
      pageCount(static_cast<std::int64_t>(images.size()), std::int64_t{settings.rows} * settings.columns);
  std::size_t index = 0;
  for (std::int64_t page = 1; page <= pages; ++page) {
    PageLines lines;
    writePageHead(lines, settings.galleryStyle);
    writeTopBlock(lines, settings, page, pages);
    index = writeThumbnailRows(lines, settings, images, index,
                               [&](const ImageItem& image) { host.setCaption(imageCaption + image.sourcePath); });
    writeFooter(lines, settings, productHomePage());

    OutputFile file(settings.destFolder + "/" + pageName(page, pages));
    for (const auto& line : lines) file.line(htmlEscapeNonAscii(line));
    file.close();
    if (index >= images.size()) break;
  }
  return pageName(1, pages);
}

void reportWriteFailure(Host& host, const std::string& path, const std::string& reason) {
  Message box;
  box.icon = MessageIcon::Critical;
  box.text = host.strings().loadMlString(kStringErrorWritingFile) + path + "\r\n" + reason;
  host.showMessage(box);
  host.setMainWindowEnabled(true);
  host.restoreCaption();
}

}  // namespace

bool makeGallery(Host& host, Project& project, ImageLibrary& library, const std::string& dataFolder, bool htmlOnly) {
  GallerySettings& settings = project.settings;
  if (project.images.empty()) {
    Message box;
    box.icon = MessageIcon::Information;
    box.title = std::string();
    box.text = host.strings().loadMlString(kStringNoImages);
    host.showMessage(box);
    return false;
  }
  auto problem = galleryBuildProblem(settings, host.strings());
  if (!problem) problem = galleryFolderProblem(project, dataFolder, htmlOnly, host.strings());
  if (problem) {
    Message box;
    box.icon = MessageIcon::Exclamation;
    box.text = *problem;
    host.showMessage(box);
    return false;
  }

  settings.lightboxStyle = normalisedLightboxStyle(settings.lightboxStyle);
  host.setCaption(host.strings().loadMlString(kStringCreatingWebFolder));
  try {
    if (!writePackage(host, settings, htmlOnly)) {
      host.restoreCaption();
      return false;
    }
    if (!htmlOnly) {
      host.setCaption(host.strings().loadMlString(kStringCreatingThumbnails));
      if (!makeGalleryImages(host, project, library)) return false;
    }
    const std::string firstPage = writePages(host, settings, project.images.items());
    writeStyleCss(settings);
    host.restoreCaption();
    host.openDocument(settings.destFolder + "/" + firstPage);
    return true;
  } catch (const GalleryFileError& error) {
    reportWriteFailure(host, error.path(), error.reason(host.strings()));
  } catch (const std::filesystem::filesystem_error& error) {
    reportWriteFailure(host, error.path1().string(), error.code().message());
  }
  return false;
}

}  // namespace velvara::core
