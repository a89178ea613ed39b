#include "core/production/JpegOutput.h"

namespace velvara::core::production {
namespace {

void critical(Host& host, const std::string& title, const std::string& text) {
  Message message;
  message.icon = MessageIcon::Critical;
  message.buttons = MessageButtons::Ok;
  message.title = title;
  message.text = text;
  host.showMessage(message);
}

}  // namespace

PixelSize outputSize(const imagelib::ImageInfo& info, std::int32_t boxWidth, std::int32_t boxHeight, bool keepAspect) {
  if (info.width <= boxWidth && info.height <= boxHeight) return {info.width, info.height};
  return fitToBox(info.width, info.height, boxWidth, boxHeight, keepAspect);
}

imagelib::Status decode(const std::string& src, const imagelib::ImageInfo& info, PixelSize size,
                        imagelib::Bitmap& bitmap) {
  if (size.width == info.width && size.height == info.height) return imagelib::loadBitmap(src, bitmap);
  return imagelib::loadResized(src, size.width, size.height, bitmap);
}

void reportDecodeFailure(Host& host, const std::string& dst, const imagelib::Status& status) {
  using imagelib::ErrorCode;
  if (status.code == ErrorCode::BadParameters || status.code == ErrorCode::NoBitmap) {
    reportResizeFailure(host, dst, status.text);
  } else {
    reportSaveFailure(host, dst, status.text);
  }
}

void reportSaveFailure(Host& host, const std::string& dst, const std::string& text) {
  critical(host, dst, "proc:NewImage/err2: " + text);
}

void reportResizeFailure(Host& host, const std::string& dst, const std::string& text) {
  critical(host, dst, "proc:resize_image/err1: " + text);
  critical(host, dst, "proc:NewImage/err3: " + text);
}

void sharpenAndSave(Host& host, imagelib::Bitmap bitmap, const std::string& dst, int quality, int sharpen) {
  if (sharpen != 0) {
    imagelib::Bitmap sharpened;
    if (imagelib::sharpen(bitmap, sharpen, sharpened).ok()) bitmap = std::move(sharpened);
  }
  imagelib::Status status = imagelib::saveJpeg(bitmap, dst, quality);
  if (!status.ok()) reportSaveFailure(host, dst, status.text);
}

}  // namespace velvara::core::production
