#include "platform/imagelib/JpegReading.h"

#include <algorithm>

#include "platform/imagelib/JpegMarkers.h"
#include "platform/imagelib/RowReduction.h"
#include "platform/imagelib/VipsSupport.h"

namespace velvara::imagelib::detail {
namespace {

// The rows of the shrunk decode are held whole; a picture whose rows would
// take more is read the general way, which streams them in strips.
constexpr std::int64_t kMaxHeldRows = std::int64_t{64} << 20;

// The factor by which libvips' thumbnail has a JPEG of width x height
// shrunk while it is decoded, for a picture of targetWidth x targetHeight:
// the largest of 8, 4 and 2 that leaves the filter at least as much again.
int shrinkOnLoad(int width, int height, int targetWidth, int targetHeight) {
  const double hshrink = std::min(static_cast<double>(width) / targetWidth, static_cast<double>(width));
  const double vshrink = std::min(static_cast<double>(height) / targetHeight, static_cast<double>(height));
  const double shrink = std::min(hshrink, vshrink);
  return shrink >= 16 ? 8 : shrink >= 8 ? 4 : shrink >= 4 ? 2 : 1;
}

// 8-bit colour or grey as libvips' thumbnail resizes it: no conversion
// before and none after.
bool plainPixels(const vips::VImage& image) {
  const VipsInterpretation interpretation = image.interpretation();
  return image.coding() == VIPS_CODING_NONE && image.format() == VIPS_FORMAT_UCHAR &&
         ((image.bands() == 3 && interpretation == VIPS_INTERPRETATION_sRGB) ||
          (image.bands() == 1 && interpretation == VIPS_INTERPRETATION_B_W));
}

bool heldWhole(const vips::VImage& image) {
  return image.get_typeof("interlaced") != 0 && image.get_int("interlaced") != 0;
}

}  // namespace

std::optional<Bitmap> readJpeg(const PictureFile& file, const SizeFor& sizeFor) {
  const std::optional<JpegMarkers> markers = readJpegMarkers(file.descriptor());
  // A profile is converted to sRGB after resizing, CMYK before; pictures
  // beyond the pixel cap are refused by the general way.
  if (!markers || markers->colourProfile || (markers->components != 1 && markers->components != 3) ||
      std::int64_t{markers->width} * markers->height > kMaxPixels) {
    return std::nullopt;
  }
  const int orientation = markers->orientation;
  const bool turned = turnsSideways(orientation);
  ImageInfo info;
  info.width = turned ? markers->height : markers->width;
  info.height = turned ? markers->width : markers->height;
  info.bitsPerComponent = 8;
  info.componentsPerPixel = markers->components;
  std::int32_t width = 0, height = 0;
  sizeFor(info, width, height);
  if (width <= 0 || height <= 0) throw Failure{ErrorCode::BadParameters, "size"};
  const int storedWidth = turned ? height : width;
  const int storedHeight = turned ? width : height;
  const int factor = shrinkOnLoad(markers->width, markers->height, storedWidth, storedHeight);
  // libvips' reader drops the last part pixel of a shrunk decode.
  const int loadedWidth = markers->width / factor;
  const int loadedHeight = markers->height / factor;
  const std::int64_t samples = std::int64_t{markers->width} * markers->height * markers->components;
  const std::int64_t rowBytes = std::int64_t{loadedWidth} * loadedHeight * markers->components;
  // A progressive decode keeps a 16-bit coefficient for every sample; then
  // the rows, the reduced rows, and the result three times on its way out
  // at most (ours, turned upright, at its exact size).
  const std::int64_t held = (markers->progressive ? samples * 2 : 0) + 2 * rowBytes + std::int64_t{width} * height * 9;
  if (rowBytes > kMaxHeldRows || held > kMaxDecodeBytes) return std::nullopt;
  DecodeReservation reservation(held, markers->width, markers->height);

  vips::VImage loaded = vips::VImage::jpegload_source(file.source(), vips::VImage::option()
                                                                         ->set("access", VIPS_ACCESS_SEQUENTIAL)
                                                                         ->set("fail_on", VIPS_FAIL_ON_TRUNCATED)
                                                                         ->set("shrink", factor));
  // libvips' reading of the file decides.
  if (!plainPixels(loaded) || loaded.width() != loadedWidth || loaded.height() != loadedHeight ||
      orientationOf(loaded) != orientation || loaded.get_typeof(VIPS_META_ICC_NAME) != 0 ||
      heldWhole(loaded) != markers->progressive) {
    return std::nullopt;
  }
  const double hshrink = std::min(static_cast<double>(loadedWidth) / storedWidth, static_cast<double>(loadedWidth));
  const double vshrink = std::min(static_cast<double>(loadedHeight) / storedHeight, static_cast<double>(loadedHeight));
  if (hshrink < 1 || vshrink < 1) return std::nullopt;
  // As the general way: damage the decoder reports only in the error buffer
  // makes the picture unreadable, and what opening left there is dropped.
  if (runningAlone()) vips_error_clear();
  // Each thread keeps its decode's rows from picture to picture: fresh
  // memory of that size would cost page faults every time.
  thread_local SampleRows rows;
  computeInto(loaded, rows);
  if (runningAlone()) {
    std::string damage = takeDamageReport();
    if (!damage.empty()) throw Failure{ErrorCode::ReadError, damage};
  }
  loaded = vips::VImage();
  return uprightAtSize(toBitmap(reduceRows(rows, 1.0 / hshrink, 1.0 / vshrink)), orientation, width, height);
}

}  // namespace velvara::imagelib::detail
