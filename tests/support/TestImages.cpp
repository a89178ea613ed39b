#include "tests/support/TestImages.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include <vips/vips8>

namespace velvara::testing {
namespace {

using vips::VImage;

void ensureVips() {
  static const bool started = VIPS_INIT("velvara-tests") == 0;
  if (!started) throw std::runtime_error("libvips did not start");
}

VImage colourField(int width, int height) {
  VImage xy = VImage::xyz(width, height);
  VImage x = xy[0], y = xy[1];
  VImage noise = VImage::gaussnoise(width, height, VImage::option()->set("sigma", 6.0));
  VImage red = x * (255.0 / width) + noise;
  VImage green = y * (255.0 / height) + noise;
  VImage blue = (x + y) * (128.0 / (width + height)) + 64 + noise;
  VImage rgb = VImage::bandjoin(std::vector<VImage>{red, green, blue});
  // The marker block: pure red in the stored top-left corner.
  int markW = std::max(1, width / 8), markH = std::max(1, height / 8);
  VImage marker = VImage::black(markW, markH, VImage::option()->set("bands", 3)) + std::vector<double>{255, 0, 0};
  rgb = rgb.insert(marker, 0, 0);
  return rgb.cast(VIPS_FORMAT_UCHAR).copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

}  // namespace

void writeTestImage(const std::string& path, const TestImage& spec) {
  ensureVips();
  VImage image = colourField(spec.width, spec.height);
  switch (spec.color) {
    case TestColor::Rgb:
    case TestColor::Palette:
      break;
    case TestColor::Grey:
      image = image.colourspace(VIPS_INTERPRETATION_B_W);
      break;
    case TestColor::Cmyk:
      image = image.colourspace(VIPS_INTERPRETATION_CMYK);
      break;
    case TestColor::Rgb16:
      image = image.colourspace(VIPS_INTERPRETATION_RGB16);
      break;
    case TestColor::DisplayP3:
      image = image.icc_transform("p3", VImage::option()->set("input_profile", "srgb"));
      break;
    case TestColor::RgbAlpha: {
      VImage alpha = (VImage::xyz(spec.width, spec.height)[0] < spec.width / 2).ifthenelse(255, 0);
      image = VImage::bandjoin(std::vector<VImage>{image, alpha.cast(VIPS_FORMAT_UCHAR)});
      break;
    }
  }
  if (spec.orientation != 0) {
    image = image.copy();
    image.set(VIPS_META_ORIENTATION, spec.orientation);
  }
  const std::string suffix = path.substr(path.rfind('.') + 1);
  if (suffix == "jpg" || suffix == "jpeg") {
    image.jpegsave(path.c_str(), VImage::option()
                                     ->set("Q", spec.quality)
                                     ->set("interlace", spec.progressive)
                                     ->set("subsample_mode",
                                           spec.fullColour ? VIPS_FOREIGN_SUBSAMPLE_OFF : VIPS_FOREIGN_SUBSAMPLE_AUTO));
  } else if (suffix == "png") {
    image.pngsave(path.c_str(), VImage::option()->set("palette", spec.color == TestColor::Palette));
  } else {
    image.write_to_file(path.c_str());
  }
}

bool hasExif(const std::string& path) {
  ensureVips();
  VImage image = VImage::new_from_file(path.c_str());
  return image.get_typeof(VIPS_META_EXIF_NAME) != 0;
}

double meanDifference(const imagelib::Bitmap& a, const imagelib::Bitmap& b) {
  if (a.width != b.width || a.height != b.height || a.width == 0) return 255;
  double sum = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width * 3; ++x) {
      sum += std::abs(int(a.pixels[y * a.bytesPerLine + x]) - int(b.pixels[y * b.bytesPerLine + x]));
    }
  }
  return sum / (double(a.width) * a.height * 3);
}

Bgr pixelAt(const imagelib::Bitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.pixels.data() + (bitmap.height - 1 - y) * bitmap.bytesPerLine + 3 * x;
  return {p[0], p[1], p[2]};
}

namespace {

std::vector<char> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

}  // namespace

void writeJpegClaimingSize(const std::string& path, int width, int height) {
  writeTestImage(path, {16, 16});
  std::vector<char> bytes = readBytes(path);
  for (std::size_t i = 0; i + 8 < bytes.size(); ++i) {
    auto marker = static_cast<unsigned char>(bytes[i + 1]);
    if (static_cast<unsigned char>(bytes[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
      bytes[i + 5] = static_cast<char>(height >> 8);
      bytes[i + 6] = static_cast<char>(height & 0xFF);
      bytes[i + 7] = static_cast<char>(width >> 8);
      bytes[i + 8] = static_cast<char>(width & 0xFF);
      break;
    }
  }
  writeBytes(path, bytes);
}

void writeJpegWithStrayBytes(const std::string& path) {
  writeTestImage(path, {64, 48});
  std::vector<char> bytes = readBytes(path);
  // Before the first quantisation table, after the start of image.
  for (std::size_t i = 2; i + 1 < bytes.size(); ++i) {
    if (static_cast<unsigned char>(bytes[i]) == 0xFF && static_cast<unsigned char>(bytes[i + 1]) == 0xDB) {
      bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(i), 40, '\x11');
      break;
    }
  }
  writeBytes(path, bytes);
}

void writeJpegWithDamagedScan(const std::string& path) {
  writeTestImage(path, {600, 400});
  std::vector<char> bytes = readBytes(path);
  const std::size_t at = bytes.size() / 2;
  bytes[at] = '\xFF';
  bytes[at + 1] = '\xD3';
  writeBytes(path, bytes);
}

namespace {

std::uint32_t crc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string bigEndian(std::uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
          static_cast<char>(value)};
}

std::string chunk(const std::string& type, const std::string& data) {
  return bigEndian(static_cast<std::uint32_t>(data.size())) + type + data + bigEndian(crc32(type + data));
}

}  // namespace

void writePngHeader(const std::string& path, int width, int height, int bitDepth, bool interlaced) {
  const std::string header = bigEndian(static_cast<std::uint32_t>(width)) +
                             bigEndian(static_cast<std::uint32_t>(height)) + static_cast<char>(bitDepth) +
                             std::string("\x06\x00\x00", 3) + static_cast<char>(interlaced ? 1 : 0);
  // An empty stored zlib stream.
  const std::string data("\x78\x01\x01\x00\x00\xFF\xFF\x00\x00\x00\x01", 11);
  std::ofstream(path, std::ios::binary) << std::string("\x89PNG\r\n\x1A\n", 8) << chunk("IHDR", header)
                                        << chunk("IDAT", data) << chunk("IEND", "");
}

}  // namespace velvara::testing
