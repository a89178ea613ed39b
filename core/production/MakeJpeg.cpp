#include "core/production/ImageProduction.h"
#include "core/production/JpegOutput.h"

namespace velvara::core {

void makeJpeg(Host& host, const std::string& src, std::int32_t boxWidth, std::int32_t boxHeight, const std::string& dst,
              bool keepAspect, std::int16_t quality, std::int16_t sharpen) {
  imagelib::ImageInfo info;
  imagelib::Status status = imagelib::readImageInfo(src, info);
  if (!status.ok()) {
    production::reportSaveFailure(host, dst, status.text);
    return;
  }
  imagelib::Bitmap bitmap;
  status = production::decode(src, info, production::outputSize(info, boxWidth, boxHeight, keepAspect), bitmap);
  if (!status.ok()) {
    production::reportDecodeFailure(host, dst, status);
    return;
  }
  production::sharpenAndSave(host, std::move(bitmap), dst, quality, sharpen);
}

}  // namespace velvara::core
