#include "core/imaging/AddImage.h"

#include "core/helpers/Paths.h"
#include "i18n/StringService.h"
#include "platform/imagelib/Library.h"

namespace velvara::core {
namespace {

bool isReadFailure(imagelib::ErrorCode code) {
  using imagelib::ErrorCode;
  return code == ErrorCode::FileNotFound || code == ErrorCode::UnknownFormat || code == ErrorCode::ReadError ||
         code == ErrorCode::TooLarge || code == ErrorCode::NotInitialised;
}

void showDuplicate(Host& host, const std::string& path) {
  const i18n::StringService& strings = host.strings();
  Message message;
  message.icon = MessageIcon::Information;
  message.buttons = MessageButtons::Ok;
  message.text = strings.loadMlString(234) + getFileName(path, false) + strings.loadMlString(235) + "\r\n" +
                 strings.loadMlString(233);
  host.showMessage(message);
}

}  // namespace

bool addImage(Host& host, Project& project, ImageLibrary& library, const std::string& path, std::int32_t boxWidth,
              std::int32_t boxHeight, bool keepAspect) {
  project.images.growIfFull();
  if (!isSupportedImageExt(library, getFileExtension(path))) return false;
  return addLoadedImage(host, project, path, loadPreview(path, boxWidth, boxHeight, keepAspect));
}

bool addLoadedImage(Host& host, Project& project, const std::string& path, LoadedPreview&& preview) {
  project.images.growIfFull();
  ImageItem item;
  imagelib::Bitmap bitmap;
  if (!acceptPreview(host, project, path, std::move(preview), item, bitmap)) return false;
  project.images.append(std::move(item), std::move(bitmap));
  return true;
}

bool newImage(Host& host, const Project& project, ImageLibrary& library, const std::string& path, ImageItem& item,
              imagelib::Bitmap& bitmap, std::int32_t boxWidth, std::int32_t boxHeight, bool keepAspect) {
  if (!isSupportedImageExt(library, getFileExtension(path))) return false;
  return acceptPreview(host, project, path, loadPreview(path, boxWidth, boxHeight, keepAspect), item, bitmap);
}

bool acceptPreview(Host& host, const Project& project, const std::string& path, LoadedPreview&& preview,
                   ImageItem& item, imagelib::Bitmap& bitmap) {
  if (!preview.readable) return false;
  for (const ImageItem& existing : project.images.items()) {
    if (existing.sourcePath == path) {
      showDuplicate(host, path);
      return false;
    }
  }
  if (!preview.status.ok()) {
    if (isReadFailure(preview.status.code)) return false;
    Message message;
    message.text = "proc:NewImage/err2: " + preview.status.text;
    host.showMessage(message);
    return false;
  }
  bitmap = std::move(preview.bitmap);

  item = ImageItem();
  item.sourcePath = path;
  item.title = getFileName(path, false);
  item.tooltip = item.title;
  item.linkUrl = "";
  item.openInSameWindow = false;
  item.linkText = project.settings.defaultLinkText;
  item.thumbnailCached = false;
  item.outputBaseName = uniqueImageName(project.images, item.title);
  return true;
}

}  // namespace velvara::core
