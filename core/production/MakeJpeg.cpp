#include "core/production/ImageProduction.h"
#include "core/production/JpegOutput.h"

namespace velvara::core {

void makeJpeg(Host& host, const std::string& src, std::int32_t boxWidth, std::int32_t boxHeight, const std::string& dst,
              bool keepAspect, std::int16_t quality, std::int16_t sharpen) {
  ImageOutcome outcome;
  production::writeJpeg(outcome, src, boxWidth, boxHeight, dst, keepAspect, quality, sharpen);
  for (const Message& message : outcome.messages) host.showMessage(message);
}

}  // namespace velvara::core
