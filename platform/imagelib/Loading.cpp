#include <vector>

#include "platform/imagelib/InProcess.h"
#include "platform/imagelib/Library.h"
#include "platform/imagelib/SeparateDecoding.h"
#include "platform/imagelib/VipsSupport.h"

namespace velvara::imagelib {
namespace {

// The EXIF orientation, 1 (upright) for none and for values outside 1..8.
int orientationOf(const vips::VImage& header) {
  int orientation = header.get_typeof(VIPS_META_ORIENTATION) ? header.get_int(VIPS_META_ORIENTATION) : 1;
  return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

bool turnsSideways(int orientation) { return orientation >= 5; }

ImageInfo infoOf(const vips::VImage& header) {
  bool turned = turnsSideways(orientationOf(header));
  ImageInfo info;
  info.width = turned ? header.height() : header.width();
  info.height = turned ? header.width() : header.height();
  info.bitsPerComponent = static_cast<std::int32_t>(vips_format_sizeof(header.format()) * 8);
  info.componentsPerPixel = header.bands();
  return info;
}

// Decodes path (whose header is given) straight to width x height (as
// shown upright). libvips' thumbnail shrinks while decoding where the format
// allows it (JPEG, WebP, HEIF). It turns CMYK into sRGB by itself, but keeps
// the pixels of an RGB or grey picture in the space of its embedded profile
// unless asked to export: a wide-gamut photo would come out dull. Pictures
// without a profile are left alone, as an export would run them through a
// fallback profile and shift their colours.
//
// The picture is decoded as stored and turned upright afterwards, the way
// thumbnail itself turns it: thumbnail would compute the whole picture while
// it is being built, and builds run one at a time (see BuiltPipeline).
Bitmap decodeTo(const std::string& path, const vips::VImage& header, int width, int height) {
  const int orientation = orientationOf(header);
  const bool turned = turnsSideways(orientation);
  const int storedWidth = turned ? height : width;
  const int storedHeight = turned ? width : height;
  // The result is held three times on its way out at most: as libvips'
  // strip, as ours, and turned upright.
  detail::DecodeReservation reservation(detail::bytesHeldWhole(header) + std::int64_t{width} * height * 9,
                                        header.width(), header.height());
  Bitmap bitmap;
  {
    detail::BuiltPipeline pipeline([&] {
      vips::VOption* options = vips::VImage::option()
                                   ->set("height", storedHeight)
                                   ->set("size", VIPS_SIZE_FORCE)
                                   ->set("no_rotate", true)
                                   ->set("fail_on", VIPS_FAIL_ON_TRUNCATED);
      if (header.get_typeof(VIPS_META_ICC_NAME) != 0 && header.interpretation() != VIPS_INTERPRETATION_CMYK) {
        options->set("export_profile", "srgb");
      }
      return detail::toSrgb8(vips::VImage::thumbnail(path.c_str(), storedWidth, options));
    });
    // Some damage the decoder reports only in the error buffer while the
    // pipeline still completes: such a picture counts as unreadable, never
    // as half-loaded. Beside other calls any word in the buffer sends the
    // call round again alone (see guarded); alone, messages left while
    // opening (the HEIF reader's probing) are not about the pixels, so they
    // are dropped first.
    if (detail::runningAlone()) vips_error_clear();
    bitmap = detail::toBitmap(pipeline.image());
    if (detail::runningAlone()) {
      std::string damage = detail::takeDamageReport();
      if (!damage.empty()) throw detail::Failure{ErrorCode::ReadError, damage};
    }
  }
  // Resampling can miss the wanted size by a pixel.
  if (orientation == 1 && bitmap.width == width && bitmap.height == height) return bitmap;
  std::vector<std::uint8_t> storage;
  vips::VImage image = detail::fromBitmap(bitmap, storage);
  if (orientation != 1) {
    image = image.copy();
    image.set(VIPS_META_ORIENTATION, orientation);
    image = image.autorot();
  }
  return detail::toBitmap(detail::exactSize(image, width, height));
}

}  // namespace

namespace detail {

Status readImageInfoInProcess(const std::string& path, ImageInfo& info) {
  return guarded(ErrorCode::ReadError, [&] {
    checkReadable(path);
    info = infoOf(openHeader(path));
  });
}

Status loadBitmapInProcess(const std::string& path, Bitmap& bitmap) {
  return guardedInto(ErrorCode::ReadError, bitmap, [&] {
    checkReadable(path);
    vips::VImage header = openHeader(path);
    ImageInfo info = infoOf(header);
    return decodeTo(path, header, info.width, info.height);
  });
}

Status loadResizedInProcess(const std::string& path, std::int32_t width, std::int32_t height, Bitmap& bitmap) {
  return guardedInto(ErrorCode::ReadError, bitmap, [&] {
    if (width <= 0 || height <= 0) throw Failure{ErrorCode::BadParameters, "size"};
    checkReadable(path);
    return decodeTo(path, openHeader(path), width, height);
  });
}

Status loadResizedForInProcess(const std::string& path, const SizeFor& sizeFor, Bitmap& bitmap) {
  return guardedInto(ErrorCode::ReadError, bitmap, [&] {
    checkReadable(path);
    vips::VImage header = openHeader(path);
    std::int32_t width = 0, height = 0;
    sizeFor(infoOf(header), width, height);
    if (width <= 0 || height <= 0) throw Failure{ErrorCode::BadParameters, "size"};
    return decodeTo(path, header, width, height);
  });
}

}  // namespace detail

// Formats whose decoder can end the process on a damaged file are decoded
// by the helper program; all others here, where they are fastest.
Status readImageInfo(const std::string& path, ImageInfo& info) {
  if (!detail::decodedSeparately(path)) return detail::readImageInfoInProcess(path, info);
  detail::DecodeReply reply;
  Status status = detail::decodeSeparately({detail::DecodeTask::Info, path, 0, 0}, reply);
  if (status.ok()) info = reply.info;
  return status;
}

Status loadBitmap(const std::string& path, Bitmap& bitmap) {
  if (!detail::decodedSeparately(path)) return detail::loadBitmapInProcess(path, bitmap);
  detail::DecodeReply reply;
  Status status = detail::decodeSeparately({detail::DecodeTask::Bitmap, path, 0, 0}, reply);
  if (status.ok()) bitmap = std::move(reply.bitmap);
  return status;
}

Status loadResized(const std::string& path, std::int32_t width, std::int32_t height, Bitmap& bitmap) {
  if (!detail::decodedSeparately(path)) return detail::loadResizedInProcess(path, width, height, bitmap);
  detail::DecodeReply reply;
  Status status = detail::decodeSeparately({detail::DecodeTask::Resized, path, width, height}, reply);
  if (status.ok()) bitmap = std::move(reply.bitmap);
  return status;
}

Status loadResizedFor(const std::string& path, const SizeFor& sizeFor, Bitmap& bitmap) {
  if (!detail::decodedSeparately(path)) return detail::loadResizedForInProcess(path, sizeFor, bitmap);
  ImageInfo info;
  Status status = readImageInfo(path, info);
  if (!status.ok()) return status;
  std::int32_t width = 0, height = 0;
  sizeFor(info, width, height);
  return loadResized(path, width, height, bitmap);
}

}  // namespace velvara::imagelib
