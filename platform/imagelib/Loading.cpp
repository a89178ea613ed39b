#include <optional>

#include "platform/imagelib/InProcess.h"
#include "platform/imagelib/JpegReading.h"
#include "platform/imagelib/Library.h"
#include "platform/imagelib/PictureFile.h"
#include "platform/imagelib/SeparateDecoding.h"
#include "platform/imagelib/VipsSupport.h"

namespace velvara::imagelib {
namespace {

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
  const int orientation = detail::orientationOf(header);
  const bool turned = detail::turnsSideways(orientation);
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
  return detail::uprightAtSize(std::move(bitmap), orientation, width, height);
}

// JPEGs are read the short way when libvips reads JPEGs at all.
bool readShortWay(const detail::PictureFile& file) {
  return file.isJpeg() && detail::loaderAvailable("jpegload_source");
}

// The general way: the reader libvips finds for the file, and its
// thumbnail.
vips::VImage headerOf(const detail::PictureFile& file) {
  detail::checkReadable(file.path());
  return detail::openHeader(file.path());
}

Bitmap decodeGeneralWay(const detail::PictureFile& file, const SizeFor& sizeFor) {
  vips::VImage header = headerOf(file);
  std::int32_t width = 0, height = 0;
  sizeFor(detail::infoOf(header), width, height);
  if (width <= 0 || height <= 0) throw detail::Failure{ErrorCode::BadParameters, "size"};
  return decodeTo(file.path(), header, width, height);
}

Bitmap decodeAtSizeFor(const detail::PictureFile& file, const SizeFor& sizeFor) {
  if (readShortWay(file)) {
    if (std::optional<Bitmap> made = detail::readJpeg(file, sizeFor)) return std::move(*made);
  }
  return decodeGeneralWay(file, sizeFor);
}

Status readInfo(const detail::PictureFile& file, ImageInfo& info) {
  return detail::guarded(ErrorCode::ReadError, [&] { info = detail::infoOf(headerOf(file)); });
}

Status loadWhole(const detail::PictureFile& file, Bitmap& bitmap) {
  return detail::guardedInto(ErrorCode::ReadError, bitmap, [&] {
    return decodeAtSizeFor(file, [](const ImageInfo& info, std::int32_t& width, std::int32_t& height) {
      width = info.width;
      height = info.height;
    });
  });
}

Status loadAtSize(const detail::PictureFile& file, std::int32_t width, std::int32_t height, Bitmap& bitmap) {
  return detail::guardedInto(ErrorCode::ReadError, bitmap, [&] {
    if (width <= 0 || height <= 0) throw detail::Failure{ErrorCode::BadParameters, "size"};
    return decodeAtSizeFor(file, [&](const ImageInfo&, std::int32_t& w, std::int32_t& h) {
      w = width;
      h = height;
    });
  });
}

Status loadAtSizeFor(const detail::PictureFile& file, const SizeFor& sizeFor, Bitmap& bitmap) {
  return detail::guardedInto(ErrorCode::ReadError, bitmap, [&] { return decodeAtSizeFor(file, sizeFor); });
}

}  // namespace

namespace detail {

Status readImageInfoInProcess(const std::string& path, ImageInfo& info) { return readInfo(PictureFile(path), info); }

Status loadBitmapInProcess(const std::string& path, Bitmap& bitmap) { return loadWhole(PictureFile(path), bitmap); }

Status loadResizedInProcess(const std::string& path, std::int32_t width, std::int32_t height, Bitmap& bitmap) {
  return loadAtSize(PictureFile(path), width, height, bitmap);
}

Status loadResizedForInProcess(const std::string& path, const SizeFor& sizeFor, Bitmap& bitmap) {
  return loadAtSizeFor(PictureFile(path), sizeFor, bitmap);
}

Status loadResizedForGeneralWay(const std::string& path, const SizeFor& sizeFor, Bitmap& bitmap) {
  return guardedInto(ErrorCode::ReadError, bitmap, [&] { return decodeGeneralWay(PictureFile(path), sizeFor); });
}

}  // namespace detail

// Formats whose decoder can end the process on a damaged file are decoded
// by the helper program; all others here, where they are fastest.
Status readImageInfo(const std::string& path, ImageInfo& info) {
  const detail::PictureFile file(path);
  if (!file.isJpeg2000()) return readInfo(file, info);
  detail::DecodeReply reply;
  Status status = detail::decodeSeparately({detail::DecodeTask::Info, path, 0, 0}, reply);
  if (status.ok()) info = reply.info;
  return status;
}

Status loadBitmap(const std::string& path, Bitmap& bitmap) {
  const detail::PictureFile file(path);
  if (!file.isJpeg2000()) return loadWhole(file, bitmap);
  detail::DecodeReply reply;
  Status status = detail::decodeSeparately({detail::DecodeTask::Bitmap, path, 0, 0}, reply);
  if (status.ok()) bitmap = std::move(reply.bitmap);
  return status;
}

Status loadResized(const std::string& path, std::int32_t width, std::int32_t height, Bitmap& bitmap) {
  const detail::PictureFile file(path);
  if (!file.isJpeg2000()) return loadAtSize(file, width, height, bitmap);
  detail::DecodeReply reply;
  Status status = detail::decodeSeparately({detail::DecodeTask::Resized, path, width, height}, reply);
  if (status.ok()) bitmap = std::move(reply.bitmap);
  return status;
}

Status loadResizedFor(const std::string& path, const SizeFor& sizeFor, Bitmap& bitmap) {
  const detail::PictureFile file(path);
  if (!file.isJpeg2000()) return loadAtSizeFor(file, sizeFor, bitmap);
  ImageInfo info;
  Status status = readImageInfo(path, info);
  if (!status.ok()) return status;
  std::int32_t width = 0, height = 0;
  sizeFor(info, width, height);
  return loadResized(path, width, height, bitmap);
}

}  // namespace velvara::imagelib
