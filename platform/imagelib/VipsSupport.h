#pragma once
// Private to the image library: the bridge between our bitmaps and libvips,
// and the one place where libvips failures become a Status. Never included
// outside platform/imagelib.
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include <vips/vips8>

#include "platform/imagelib/Bitmap.h"
#include "platform/imagelib/Library.h"
#include "platform/imagelib/RowReduction.h"

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

// The bytes a decode of header's picture holds beyond its result: the whole
// picture for a file that must be decoded whole (interlaced PNG and GIF,
// progressive JPEG, whose decoder keeps a 16-bit coefficient for every
// sample, and the formats whose decoders know no other way), else nothing,
// as the picture streams through in strips.
std::int64_t bytesHeldWhole(const vips::VImage& header);

// Holds what a decode needs from the budget that every decode in the
// process shares, waiting while decodes in other threads hold too much of
// it. Throws Failure (too large) when bytes exceed kMaxDecodeBytes.
class DecodeReservation {
 public:
  DecodeReservation(std::int64_t bytes, int width, int height);
  DecodeReservation(const DecodeReservation&) = delete;
  DecodeReservation& operator=(const DecodeReservation&) = delete;
  ~DecodeReservation();

 private:
  std::int64_t bytes_;
};

// libvips compiles vector code for the vertical pass of resampling when such
// an operation is built, and frees it when the operation is disposed. The
// vector library takes its code memory back without the lock it hands it
// out under, so pipelines built or let go in several threads at once
// corrupt it (a crash now and then). Pipelines that resample are therefore
// built and let go one at a time, under one lock; computing their pixels,
// the bulk of the work, runs side by side. Whatever resamples must be built
// inside build and be held by nothing but the BuiltPipeline when it goes;
// pictures are never computed inside build, which must stay short.
class BuiltPipeline {
 public:
  template <typename Build>
  explicit BuiltPipeline(Build&& build) {
    std::lock_guard lock(buildLock());
    image_ = build();
  }
  ~BuiltPipeline() {
    std::lock_guard lock(buildLock());
    image_ = vips::VImage();
  }
  BuiltPipeline(const BuiltPipeline&) = delete;
  BuiltPipeline& operator=(const BuiltPipeline&) = delete;

  const vips::VImage& image() const { return image_; }

 private:
  static std::mutex& buildLock();
  vips::VImage image_;
};

// Throws Failure unless path is a file that one of our picture formats reads.
void checkReadable(const std::string& path);

// The header of path, opened for reading once from start to end.
vips::VImage openHeader(const std::string& path);

// Throws Failure (too large) for a header whose picture has more pixels
// than kMaxPixels or must be held whole in more than kMaxDecodeBytes.
void checkSize(const vips::VImage& header);

// The EXIF orientation, 1 (upright) for none and for values outside 1..8.
int orientationOf(const vips::VImage& header);
bool turnsSideways(int orientation);

// What the header says of the picture as shown.
ImageInfo infoOf(const vips::VImage& header);

// bitmap, decoded as stored, turned as orientation says and brought to
// exactly width x height (the size as shown): resampling can miss the
// wanted size by a pixel.
Bitmap uprightAtSize(Bitmap bitmap, int orientation, int width, int height);

// The picture as 8-bit sRGB with three bands: colour spaces converted,
// 16-bit reduced, transparency flattened onto white.
vips::VImage toSrgb8(vips::VImage image);

// Crops or extends by the edge pixels to exactly width x height; resampling
// can miss the wanted size by one pixel through rounding.
vips::VImage exactSize(vips::VImage image, int width, int height);

// Throws Failure unless bitmap holds 24-bit pixels of its size.
void checkBitmap(const Bitmap& bitmap);

// A libvips image over our bitmap's pixels, as RGB rows top-down; the rows
// are copied into storage, which must outlive every use of the image.
vips::VImage fromBitmap(const Bitmap& bitmap, std::vector<std::uint8_t>& storage);

// Computes image, which must be 8-bit with three bands, and stores it as a
// 24-bit bottom-up BGR bitmap. The picture is computed in the calling thread,
// a strip at a time from the top: pictures are computed side by side, one
// per thread, and libvips' own worker threads would only add a hand-over for
// every strip.
Bitmap toBitmap(const vips::VImage& image);

// Computes image, which must be 8-bit, into rows, the same way.
void computeInto(const vips::VImage& image, SampleRows& rows);

// Rows of one band (grey) or three (red, green, blue) as a 24-bit bitmap.
Bitmap toBitmap(const SampleRows& rows);

// The first line of libvips' error buffer, which is then cleared. Only for
// a call that runs alone (see guarded) or before any other call can run.
std::string takeVipsError();

// The first line of libvips' error buffer that reports damage, which is then
// cleared; empty when there is none. The JPEG decoder's warnings about stray
// bytes before a marker and about scan parameters are no damage: the whole
// picture is read, and many cameras write such files. Only for a call that
// runs alone.
std::string takeDamageReport();

Status failureStatus(ErrorCode code, const std::string& detail);

// libvips keeps one error buffer for the whole process, and its decoders
// report damage only there, without naming the file. Calls therefore run
// side by side as long as none of them leaves a word in the buffer; a call
// that ends with the buffer not empty cannot tell whose words they are, and
// is run again alone: every other call finishes first and none starts, the
// buffer is cleared and then read as this call's own report. Sound pictures
// never wait; damaged ones get the same verdict and text in any thread.
class CallGate {
 public:
  // Holds the gate shared for one call, or alone.
  class Shared {
   public:
    Shared();
    ~Shared();
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;
  };
  class Alone {
   public:
    Alone();
    ~Alone();
    Alone(const Alone&) = delete;
    Alone& operator=(const Alone&) = delete;
  };
};

// Whether the calling thread's call runs alone, so that it may read and
// clear libvips' error buffer.
bool runningAlone();

// Whether libvips' error buffer holds any text.
bool errorBufferHasText();

template <typename Body>
Status attempt(ErrorCode fallback, Body& body) {
  try {
    body();
    return {};
  } catch (const Failure& failure) {
    return failureStatus(failure.code, failure.detail);
  } catch (const vips::VError& error) {
    std::string detail = runningAlone() ? takeVipsError() : std::string();
    if (detail.empty()) detail = error.what();
    return failureStatus(fallback, detail);
  } catch (const std::bad_alloc&) {
    return failureStatus(fallback, "out of memory");
  } catch (const std::exception& error) {
    return failureStatus(fallback, error.what());
  }
}

// Runs body, turning every failure into a Status; fallback is the code for
// libvips' own errors. Body may run twice (see CallGate): first beside
// other calls, then alone.
template <typename Body>
Status guarded(ErrorCode fallback, Body&& body) {
  if (!isReady()) return failureStatus(ErrorCode::NotInitialised, {});
  {
    CallGate::Shared shared;
    Status status = attempt(fallback, body);
    if (!errorBufferHasText()) return status;
  }
  CallGate::Alone alone;
  return attempt(fallback, body);
}

// guarded for a call that makes a picture: out receives it only when the
// call succeeds. A first attempt beside other calls may have made one before
// the call was sent round again alone and refused; that one is dropped.
template <typename Make>
Status guardedInto(ErrorCode fallback, Bitmap& out, Make&& make) {
  Bitmap made;
  Status status = guarded(fallback, [&] { made = make(); });
  if (status.ok()) out = std::move(made);
  return status;
}

}  // namespace velvara::imagelib::detail
