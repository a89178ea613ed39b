#include "core/production/JpegOutput.h"

namespace velvara::core::production {
namespace {

void critical(ImageOutcome& outcome, const std::string& title, const std::string& text) {
  Message message;
  message.icon = MessageIcon::Critical;
  message.buttons = MessageButtons::Ok;
  message.title = title;
  message.text = text;
  outcome.messages.push_back(std::move(message));
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

void reportDecodeFailure(ImageOutcome& outcome, const std::string& dst, const imagelib::Status& status) {
  using imagelib::ErrorCode;
  if (status.code == ErrorCode::BadParameters || status.code == ErrorCode::NoBitmap) {
    reportResizeFailure(outcome, dst, status.text);
  } else {
    reportSaveFailure(outcome, dst, status.text);
  }
}

void reportSaveFailure(ImageOutcome& outcome, const std::string& dst, const std::string& text) {
  critical(outcome, dst, "proc:NewImage/err2: " + text);
}

void reportResizeFailure(ImageOutcome& outcome, const std::string& dst, const std::string& text) {
  critical(outcome, dst, "proc:resize_image/err1: " + text);
  critical(outcome, dst, "proc:NewImage/err3: " + text);
}

void sharpenAndSave(ImageOutcome& outcome, imagelib::Bitmap bitmap, const std::string& dst, int quality, int sharpen) {
  if (sharpen != 0) {
    imagelib::Bitmap sharpened;
    if (imagelib::sharpen(bitmap, sharpen, sharpened).ok()) bitmap = std::move(sharpened);
  }
  imagelib::Status status = imagelib::saveJpeg(bitmap, dst, quality);
  if (status.ok()) {
    outcome.written.push_back(dst);
    return;
  }
  reportSaveFailure(outcome, dst, status.text);
  if (status.code == imagelib::ErrorCode::WriteError) outcome.writeFailed = true;
}

void writeJpeg(ImageOutcome& outcome, const std::string& src, std::int32_t boxWidth, std::int32_t boxHeight,
               const std::string& dst, bool keepAspect, int quality, int sharpen) {
  imagelib::ImageInfo info;
  imagelib::Status status = imagelib::readImageInfo(src, info);
  if (!status.ok()) {
    reportSaveFailure(outcome, dst, status.text);
    return;
  }
  imagelib::Bitmap bitmap;
  status = decode(src, info, outputSize(info, boxWidth, boxHeight, keepAspect), bitmap);
  if (!status.ok()) {
    reportDecodeFailure(outcome, dst, status);
    return;
  }
  sharpenAndSave(outcome, std::move(bitmap), dst, quality, sharpen);
}

}  // namespace velvara::core::production
