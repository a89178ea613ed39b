#pragma once
// The image library: start and end, reading pictures as 24-bit bottom-up BGR
// bitmaps, resizing, sharpening and saving as JPEG. Nothing of the decoder
// behind it shows through, and no call throws.
//
// Pictures are shown upright (the EXIF orientation is applied) and in sRGB
// (an embedded colour profile is converted); CMYK, grey, palette, 16-bit and
// transparent pictures arrive as 24-bit, transparency flattened onto white.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/imagelib/Bitmap.h"
#include "platform/imagelib/Status.h"

namespace velvara::imagelib {

// Pictures with more pixels than this are refused before decoding.
inline constexpr std::int64_t kMaxPixels = 250'000'000;

// The most memory one decode may need, in bytes: the picture held whole
// where its file must be decoded whole (an interlaced PNG, a progressive
// JPEG), plus the decoded result. Pictures that need more are refused as too
// large before decoding, and decodes in several threads at once wait until
// together they fit it, so that no input makes the program grow past 1 GiB.
inline constexpr std::int64_t kMaxDecodeBytes = std::int64_t{512} << 20;

// Starts the library; false when it cannot start. Call once per run, before
// any other call and before a second thread uses the library; every other
// call may then be made from any thread.
bool libraryInit();
// Ends the library; no other call may follow.
void libraryExit();

// Gives the memory of freed pictures back to the system (the library keeps
// it for the next pictures otherwise), after many were let go at once.
void returnFreedMemory();

// How many threads the library's own work on one picture may use; callers
// that work on several pictures at once lower it so that together they do
// not ask for more threads than the machine has cores.
void setThreadsPerPicture(int threads);

// What the file says about the picture, without decoding its pixels.
struct ImageInfo {
  // The size as shown, after the EXIF orientation is applied.
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t bitsPerComponent = 0;
  std::int32_t componentsPerPixel = 0;
};

Status readImageInfo(const std::string& path, ImageInfo& info);

// The file's first picture at its own size.
Status loadBitmap(const std::string& path, Bitmap& bitmap);

// The file's first picture resized to exactly width x height (as shown
// upright) with the Lanczos filter. Decodes at a reduced scale when the
// result is smaller than the picture, which is what makes previews and
// gallery images fast.
Status loadResized(const std::string& path, std::int32_t width, std::int32_t height, Bitmap& bitmap);

// readImageInfo, then loadResized at the size sizeFor chooses from the
// information, reading the file's header once. sizeFor may be called more
// than once and must give the same size each time.
using SizeFor = std::function<void(const ImageInfo& info, std::int32_t& width, std::int32_t& height)>;
Status loadResizedFor(const std::string& path, const SizeFor& sizeFor, Bitmap& bitmap);

enum class ResizeMethod { Quick = 0, Lanczos = 7 };

// A new bitmap of exactly width x height.
Status resize(const Bitmap& source, std::int32_t width, std::int32_t height, ResizeMethod method, Bitmap& result);

// A new bitmap sharpened by amount (25 is a light sharpening, visible
// without halos). The edge pixels are sharpened like all others.
Status sharpen(const Bitmap& source, int amount, Bitmap& result);

// Writes a baseline JPEG of quality 1 to 100 without any metadata. An
// existing file is replaced only once the new one is complete.
Status saveJpeg(const Bitmap& bitmap, const std::string& path, int quality);

}  // namespace velvara::imagelib
