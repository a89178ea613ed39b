#include "core/production/ImageJob.h"

#include "core/production/JpegOutput.h"

namespace velvara::core {

ImageOutcome makeImageFiles(const ImageJob& job) {
  ImageOutcome outcome;
  const GallerySizes& sizes = job.sizes;
  imagelib::ImageInfo info;
  imagelib::Status status = imagelib::readImageInfo(job.source, info);
  if (!status.ok()) {
    production::reportSaveFailure(outcome, job.thumbPath, status.text);
    production::reportSaveFailure(outcome, job.photoPath, status.text);
    return outcome;
  }
  PixelSize thumbSize = production::outputSize(info, sizes.thumbWidth, sizes.thumbHeight, job.keepAspect);
  PixelSize photoSize = production::outputSize(info, sizes.imageWidth, sizes.imageHeight, job.keepAspect);
  if (thumbSize.width > photoSize.width || thumbSize.height > photoSize.height) {
    production::writeJpeg(outcome, job.source, sizes.thumbWidth, sizes.thumbHeight, job.thumbPath, job.keepAspect,
                          job.thumbQuality, job.sharpen);
    if (outcome.writeFailed) return outcome;
    production::writeJpeg(outcome, job.source, sizes.imageWidth, sizes.imageHeight, job.photoPath, job.keepAspect,
                          sizes.jpegQuality, job.sharpen);
    return outcome;
  }
  imagelib::Bitmap photo;
  status = production::decode(job.source, info, photoSize, photo);
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
