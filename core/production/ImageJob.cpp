#include "core/production/ImageJob.h"

#include <optional>

#include "core/production/JpegOutput.h"

namespace velvara::core {

ImageOutcome makeImageFiles(const ImageJob& job) {
  ImageOutcome outcome;
  const GallerySizes& sizes = job.sizes;
  // The header is read once, by the decode of the large image.
  std::optional<imagelib::ImageInfo> header;
  PixelSize thumbSize{}, photoSize{};
  imagelib::Bitmap photo;
  imagelib::Status status = imagelib::loadResizedFor(
      job.source,
      [&](const imagelib::ImageInfo& info, std::int32_t& width, std::int32_t& height) {
        header = info;
        thumbSize = production::outputSize(info, sizes.thumbWidth, sizes.thumbHeight, job.keepAspect);
        photoSize = production::outputSize(info, sizes.imageWidth, sizes.imageHeight, job.keepAspect);
        width = photoSize.width;
        height = photoSize.height;
      },
      photo);
  if (!header) {
    production::reportSaveFailure(outcome, job.thumbPath, status.text);
    production::reportSaveFailure(outcome, job.photoPath, status.text);
    return outcome;
  }
  if (thumbSize.width > photoSize.width || thumbSize.height > photoSize.height) {
    // A thumbnail larger than the large image cannot be made from it: each
    // is made from the source.
    production::writeJpeg(outcome, job.source, sizes.thumbWidth, sizes.thumbHeight, job.thumbPath, job.keepAspect,
                          job.thumbQuality, job.sharpen);
    if (outcome.writeFailed) return outcome;
    production::writeJpeg(outcome, job.source, sizes.imageWidth, sizes.imageHeight, job.photoPath, job.keepAspect,
                          sizes.jpegQuality, job.sharpen);
    return outcome;
  }
  if (!status.ok()) {
    production::reportDecodeFailure(outcome, job.thumbPath, status);
    production::reportDecodeFailure(outcome, job.photoPath, status);
    return outcome;
  }
  imagelib::Bitmap thumb;
  status = imagelib::resize(photo, thumbSize.width, thumbSize.height, imagelib::ResizeMethod::Lanczos, thumb);
  if (status.ok()) {
    production::sharpenAndSave(outcome, std::move(thumb), job.thumbPath, job.thumbQuality, job.sharpen);
    if (outcome.writeFailed) return outcome;
  } else {
    production::reportResizeFailure(outcome, job.thumbPath, status.text);
  }
  production::sharpenAndSave(outcome, std::move(photo), job.photoPath, sizes.jpegQuality, job.sharpen);
  return outcome;
}

}  // namespace velvara::core
