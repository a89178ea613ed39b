#include <filesystem>
#include <optional>
#include <system_error>

#include "core/files/FileAccess.h"
#include "core/gallery/GalleryCells.h"
#include "core/helpers/Paths.h"
#include "core/helpers/Urls.h"
#include "core/model/OutputFileName.h"
#include "core/model/SettingsCheck.h"
#include "core/production/ImageProduction.h"
#include "core/production/JpegOutput.h"

namespace velvara::core {
namespace {

namespace fs = std::filesystem;

constexpr int kThumbQuality = 80;
constexpr int kSharpen = 25;

// Sizes and quality that are not numbers can only come from a hand-made
// file; they are refused before any folder is touched, with the warning the
// gallery build gives for them.
std::optional<GallerySizes> readSizes(Host& host, const GallerySettings& settings) {
  std::string problem;
  auto sizes = gallerySizes(settings, problem);
  if (!sizes) {
    Message message;
    message.icon = MessageIcon::Exclamation;
    message.text = problem;
    host.showMessage(message);
  }
  return sizes;
}

// Ends production after a file-system failure, naming the path and the
// system's reason.
struct FolderFailure {
  std::string path;
  std::error_code error;
};

void makeFolder(const std::string& path) {
  std::error_code error;
  if (!fs::create_directory(path, error) && !error && !fs::is_directory(path, error)) {
    error = std::make_error_code(std::errc::not_a_directory);
  }
  if (error) throw FolderFailure{path, error};
}

// Deletes every file directly in the folder (links too, never what they
// point to); subfolders stay with everything in them.
void emptyOrMakeFolder(const std::string& path) {
  std::error_code error;
  if (!fs::is_directory(path, error)) {
    makeFolder(path);
    return;
  }
  fs::directory_iterator it(path, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code typeError;
    if (it->symlink_status(typeError).type() == fs::file_type::directory) continue;
    // A file that vanished meanwhile is as good as deleted.
    std::error_code removeError;
    fs::remove(it->path(), removeError);
    if (removeError) throw FolderFailure{it->path().string(), removeError};
  }
  if (error) throw FolderFailure{path, error};
}

// Both sizes of one photo from a single decode when the thumbnail is no
// larger than the large image: the thumbnail is then made from the large
// image before it is sharpened, so each output is resized, then sharpened.
void makeImagePair(Host& host, const std::string& src, const GallerySizes& sizes, bool keepAspect,
                   const std::string& thumbDst, const std::string& photoDst) {
  imagelib::ImageInfo info;
  imagelib::Status status = imagelib::readImageInfo(src, info);
  if (!status.ok()) {
    production::reportSaveFailure(host, thumbDst, status.text);
    production::reportSaveFailure(host, photoDst, status.text);
    return;
  }
  PixelSize thumbSize = production::outputSize(info, sizes.thumbWidth, sizes.thumbHeight, keepAspect);
  PixelSize photoSize = production::outputSize(info, sizes.imageWidth, sizes.imageHeight, keepAspect);
  if (thumbSize.width > photoSize.width || thumbSize.height > photoSize.height) {
    makeJpeg(host, src, sizes.thumbWidth, sizes.thumbHeight, thumbDst, keepAspect, kThumbQuality, kSharpen);
    makeJpeg(host, src, sizes.imageWidth, sizes.imageHeight, photoDst, keepAspect,
             static_cast<std::int16_t>(sizes.jpegQuality), kSharpen);
    return;
  }
  imagelib::Bitmap photo;
  status = production::decode(src, info, photoSize, photo);
  if (!status.ok()) {
    production::reportDecodeFailure(host, thumbDst, status);
    production::reportDecodeFailure(host, photoDst, status);
    return;
  }
  imagelib::Bitmap thumb;
  status = imagelib::resize(photo, thumbSize.width, thumbSize.height, imagelib::ResizeMethod::Lanczos, thumb);
  if (status.ok()) {
    production::sharpenAndSave(host, std::move(thumb), thumbDst, kThumbQuality, kSharpen);
  } else {
    production::reportResizeFailure(host, thumbDst, status.text);
  }
  production::sharpenAndSave(host, std::move(photo), photoDst, sizes.jpegQuality, kSharpen);
}

void copyLinkedFile(const std::string& link, const std::string& galleryFolder) {
  std::string target = galleryFolder + "/" + getFileName(link, true);
  std::error_code error;
  if (fs::is_directory(link, error)) throw FolderFailure{link, std::make_error_code(std::errc::is_a_directory)};
  // Written beside its place and renamed into it, so a link there is
  // replaced, never followed.
  error = copyFileAtomically(link, target);
  if (error) throw FolderFailure{link, error};
}

void finish(Host& host) {
  host.hideProgress();
  host.setMainWindowEnabled(true);
  host.restoreCaption();
  host.processEvents();
}

}  // namespace

bool makeGalleryImages(Host& host, const Project& project, ImageLibrary& library) {
  gflInit(library);
  const GallerySettings& settings = project.settings;
  std::optional<GallerySizes> sizes = readSizes(host, settings);
  if (!sizes) {
    finish(host);
    return false;
  }
  const bool shadowbox = settings.galleryStyle == static_cast<std::int16_t>(GalleryStyle::Shadowbox);
  const bool keepAspect = settings.keepAspectRatio == 1;
  const std::string thumbs = settings.destFolder + "/thumbs";
  const std::string photos = settings.destFolder + "/photos";
  const std::string gallery = settings.destFolder + "/gallery";
  const ImageList& images = project.images;
  const bool showProgress = images.count() > 2;
  try {
    std::error_code error;
    if (!fs::exists(settings.destFolder, error)) makeFolder(settings.destFolder);
    emptyOrMakeFolder(thumbs);
    emptyOrMakeFolder(photos);
    if (shadowbox) emptyOrMakeFolder(gallery);

    if (showProgress) {
      host.showProgress(1, images.count());
      host.setProgress(1);
      host.setMainWindowEnabled(false);
    }
    for (std::int32_t i = 0; i < images.count(); ++i) {
      if (showProgress) host.setProgress(i + 1);
      const ImageItem& image = images.item(i);
      if (!image.thumbnailCached) continue;
      host.setCaption(image.sourcePath);
      host.processEvents();
      makeImagePair(host, image.sourcePath, *sizes, keepAspect, thumbs + "/" + outputFileName(image) + ".jpg",
                    photos + "/" + outputFileName(image) + ".jpg");
      // The page links to the substituted address, so that is the file the
      // gallery needs a copy of.
      const std::string link = substituteLink(image.linkUrl, getFileName(image.sourcePath, true));
      if (shadowbox && !link.empty() && !isHttpUrl(link) && !isHtmlFile(link) && pathExists(link)) {
        copyLinkedFile(link, gallery);
      }
    }
  } catch (const FolderFailure& failure) {
    Message message;
    message.icon = MessageIcon::Critical;
    message.title = failure.path;
    message.text = failure.path + "\r\n" + failure.error.message();
    host.showMessage(message);
    finish(host);
    return false;
  }
  finish(host);
  return true;
}

}  // namespace velvara::core
