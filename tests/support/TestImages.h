#pragma once
// Pictures made inside a test, so no binary test data is kept: a smooth
// colour field with noise, saved in the format its file name ends with.
#include <cstdint>
#include <string>

#include "platform/imagelib/Bitmap.h"

namespace velvara::testing {

// DisplayP3 stores the colours in the wide Display P3 space with that
// profile embedded: shown right only when the profile is honoured.
enum class TestColor { Rgb, Grey, Cmyk, Palette, Rgb16, RgbAlpha, DisplayP3 };

struct TestImage {
  int width = 64;
  int height = 48;
  TestColor color = TestColor::Rgb;
  // EXIF orientation written into the file; 0 writes none.
  int orientation = 0;
  int quality = 92;
  // JPEG only: scans that refine the whole picture, and colour kept at full
  // resolution instead of halved.
  bool progressive = false;
  bool fullColour = false;
};

// The picture has a pure red block in its stored top-left corner (an eighth
// of each side), so a test can see where that corner ended up. With RgbAlpha
// the right half is fully transparent.
void writeTestImage(const std::string& path, const TestImage& image);

// Whether the file holds EXIF data.
bool hasExif(const std::string& path);

// The mean absolute difference of two same-sized 24-bit bitmaps, 0 to 255;
// 255 when their sizes differ.
double meanDifference(const imagelib::Bitmap& a, const imagelib::Bitmap& b);

// The blue, green and red values of the pixel x, y counted from the top left.
struct Bgr {
  int blue, green, red;
};
Bgr pixelAt(const imagelib::Bitmap& bitmap, int x, int y);

// A JPEG whose header claims width x height while holding a tiny picture.
void writeJpegClaimingSize(const std::string& path, int width, int height);

// A JPEG with stray bytes before one of its markers: it reads, with a
// warning from the decoder.
void writeJpegWithStrayBytes(const std::string& path);

// A JPEG with a restart marker in the middle of its picture data: the
// decoder warns that the data ends early and still decodes to the end.
void writeJpegWithDamagedScan(const std::string& path);

// A PNG that declares width x height at bitDepth (8 or 16) with four bands,
// interlaced or not, followed by a tiny picture-data chunk: enough for its
// header to be read, never to be decoded.
void writePngHeader(const std::string& path, int width, int height, int bitDepth, bool interlaced);

}  // namespace velvara::testing
