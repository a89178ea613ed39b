#pragma once
// Private to the image library: the bridge between our bitmaps and libvips,
// and the one place where libvips failures become a Status. Never included
// outside platform/imagelib.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <vips/vips8>

#include "platform/imagelib/Bitmap.h"
#include "platform/imagelib/Library.h"

namespace velvara::imagelib::detail {

// Thrown inside the library, turned into a Status at the public boundary.
struct Failure {
  ErrorCode code;
  std::string detail;
};

// One picture format: the libvips loader that reads it and, for loaders that
// also read non-picture formats, the bytes the file must begin with.
struct FormatEntry {
  std::string_view name;
  std::string_view description;
  std::vector<std::string_view> extensions;
  std::string_view loader;
  std::string_view magic;
  bool writable;
};

const std::vector<FormatEntry>& formatTable();
bool loaderAvailable(std::string_view loader);

bool isReady();
void setReady(bool ready);

// Throws Failure unless path is a file that one of our picture formats reads.
void checkReadable(const std::string& path);

// The header of path, opened for reading once from start to end.
vips::VImage openHeader(const std::string& path);

// The picture as 8-bit sRGB with three bands: colour spaces converted,
// 16-bit reduced, transparency flattened onto white.
vips::VImage toSrgb8(vips::VImage image);

// Crops or extends by the edge pixels to exactly width x height; resampling
// can miss the wanted size by one pixel through rounding.
vips::VImage exactSize(vips::VImage image, int width, int height);

// A libvips image over our bitmap's pixels, as RGB rows top-down; the rows
// are copied into storage, which must outlive every use of the image.
vips::VImage fromBitmap(const Bitmap& bitmap, std::vector<std::uint8_t>& storage);

// Computes image and stores it as a 24-bit bottom-up BGR bitmap.
Bitmap toBitmap(const vips::VImage& image);

// The first line of libvips' error buffer, which is then cleared.
std::string takeVipsError();

// The first line of libvips' error buffer that reports damage, which is then
// cleared; empty when there is none. The JPEG decoder's warnings about stray
// bytes before a marker and about scan parameters are no damage: the whole
// picture is read, and many cameras write such files.
std::string takeDamageReport();

Status failureStatus(ErrorCode code, const std::string& detail);

// Runs body, turning every failure into a Status; fallback is the code for
// libvips' own errors.
template <typename Body>
Status guarded(ErrorCode fallback, Body&& body) {
  try {
    if (!isReady()) return failureStatus(ErrorCode::NotInitialised, {});
    // A warning left by an earlier call is never this call's reason.
    vips_error_clear();
    body();
    vips_error_clear();
    return {};
  } catch (const Failure& failure) {
    takeVipsError();
    return failureStatus(failure.code, failure.detail);
  } catch (const vips::VError& error) {
    std::string detail = takeVipsError();
    if (detail.empty()) detail = error.what();
    return failureStatus(fallback, detail);
  } catch (const std::bad_alloc&) {
    return failureStatus(fallback, "out of memory");
  } catch (const std::exception& error) {
    return failureStatus(fallback, error.what());
  }
}

}  // namespace velvara::imagelib::detail
