#include "platform/imagelib/InProcess.h"
#include "platform/imagelib/Library.h"
#include "platform/imagelib/SeparateDecoding.h"
#include "platform/imagelib/VipsSupport.h"

namespace velvara::imagelib {
namespace {

ImageInfo infoOf(const vips::VImage& header) {
  int orientation = header.get_typeof(VIPS_META_ORIENTATION) ? header.get_int(VIPS_META_ORIENTATION) : 1;
  bool turned = orientation >= 5 && orientation <= 8;
  ImageInfo info;
  info.width = turned ? header.height() : header.width();
  info.height = turned ? header.width() : header.height();
  info.bitsPerComponent = static_cast<std::int32_t>(vips_format_sizeof(header.format()) * 8);
  info.componentsPerPixel = header.bands();
  return info;
}

// Decodes path (whose header is given) straight to width x height (as
// shown upright). libvips' thumbnail shrinks while decoding where the format
// allows it (JPEG, WebP, HEIF) and applies the orientation on the way. It
// turns CMYK into sRGB by itself, but keeps the pixels of an RGB or grey
// picture in the space of its embedded profile unless asked to export: a
// wide-gamut photo would come out dull. Pictures without a profile are left
// alone, as an export would run them through a fallback profile and shift
// their colours.
Bitmap decodeTo(const std::string& path, const vips::VImage& header, int width, int height) {
  vips::VOption* options = vips::VImage::option()
                               ->set("height", height)
                               ->set("size", VIPS_SIZE_FORCE)
                               ->set("fail_on", VIPS_FAIL_ON_TRUNCATED);
  if (header.get_typeof(VIPS_META_ICC_NAME) != 0 && header.interpretation() != VIPS_INTERPRETATION_CMYK) {
    options->set("export_profile", "srgb");
  }
  // The result is held twice on its way out: as libvips' pixels and as ours.
  detail::DecodeReservation reservation(detail::bytesHeldWhole(header) + std::int64_t{width} * height * 6,
                                        header.width(), header.height());
  vips::VImage image = vips::VImage::thumbnail(path.c_str(), width, options);
  vips::VImage pipeline = detail::exactSize(detail::toSrgb8(image), width, height);
  // A damaged tile decoded on a worker thread can be reported only in the
  // error buffer while the pipeline still completes: such a picture counts
  // as unreadable, never as half-loaded. Beside other calls any word in the
  // buffer sends the call round again alone (see guarded); alone, messages
  // left while opening (the HEIF reader's probing) are not about the pixels,
  // so they are dropped first.
  if (detail::runningAlone()) vips_error_clear();
  Bitmap bitmap = detail::toBitmap(pipeline);
  if (!detail::runningAlone()) return bitmap;
  std::string damage = detail::takeDamageReport();
  if (!damage.empty()) throw detail::Failure{ErrorCode::ReadError, damage};
  return bitmap;
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
