#pragma once
// The steps one gallery JPEG goes through, shared by the single-file and the
// two-size production: the output size, decoding, sharpening and saving.
// Nothing here talks to the user: what goes wrong is collected in an
// ImageOutcome, which the caller shows.
#include <cstdint>
#include <string>

#include "core/imaging/FitSize.h"
#include "core/production/ImageJob.h"
#include "platform/imagelib/Library.h"

namespace velvara::core::production {

// The picture's own size when it fits the box (also when equal to it), else
// its size fitted into the box (stretched to the box without keepAspect).
PixelSize outputSize(const imagelib::ImageInfo& info, std::int32_t boxWidth, std::int32_t boxHeight, bool keepAspect);

// Decodes src at size, at a reduced scale where the format allows it.
imagelib::Status decode(const std::string& src, const imagelib::ImageInfo& info, PixelSize size,
                        imagelib::Bitmap& bitmap);

// A picture that could not be read leaves nothing to save: reported as the
// failed save of dst. Any other failure is a failed resize.
void reportDecodeFailure(ImageOutcome& outcome, const std::string& dst, const imagelib::Status& status);
void reportSaveFailure(ImageOutcome& outcome, const std::string& dst, const std::string& text);
void reportResizeFailure(ImageOutcome& outcome, const std::string& dst, const std::string& text);

// Sharpens by sharpen (0: not at all; a failed sharpening keeps the picture
// as it is) and saves as dst, reporting a failed save. A file that could not
// be written sets the outcome's writeFailed.
void sharpenAndSave(ImageOutcome& outcome, imagelib::Bitmap bitmap, const std::string& dst, int quality, int sharpen);

// The whole of one JPEG from src fitted into the box.
void writeJpeg(ImageOutcome& outcome, const std::string& src, std::int32_t boxWidth, std::int32_t boxHeight,
               const std::string& dst, bool keepAspect, int quality, int sharpen);

}  // namespace velvara::core::production
