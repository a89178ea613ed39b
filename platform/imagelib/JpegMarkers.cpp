#include "platform/imagelib/JpegMarkers.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <vector>

namespace velvara::imagelib::detail {
namespace {

constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kExifBlock = 0xE1;
constexpr std::uint8_t kProfileBlock = 0xE2;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;

bool readAt(int descriptor, off_t at, void* to, std::size_t size) {
  auto* bytes = static_cast<std::uint8_t*>(to);
  while (size > 0) {
    const ssize_t got = ::pread(descriptor, bytes, size, at);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    bytes += got;
    at += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

std::uint16_t bigEndian16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] << 8 | at[1]); }

// Markers that stand alone, without a length.
bool standsAlone(std::uint8_t code) { return code == 0xD8 || code == 0x01 || (code >= 0xD0 && code <= 0xD7); }

// The frame headers: SOF0 to SOF15 but for the tables and extension codes
// among them.
bool isFrameHeader(std::uint8_t code) {
  return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

bool isProgressive(std::uint8_t code) { return code == 0xC2 || code == 0xC6 || code == 0xCA || code == 0xCE; }

// The orientation tag of the first image directory of an EXIF block (the
// TIFF structure after "Exif\0\0"): 1 when the directory has none, 1 for
// values outside 1 to 8, as libvips reads it; nothing for a block that is
// not as the standard lays it out.
std::optional<int> exifOrientation(const std::uint8_t* tiff, std::size_t size) {
  if (size < 8) return std::nullopt;
  bool little = false;
  if (tiff[0] == 'I' && tiff[1] == 'I') {
    little = true;
  } else if (tiff[0] != 'M' || tiff[1] != 'M') {
    return std::nullopt;
  }
  auto u16 = [&](std::size_t at) {
    return static_cast<std::uint16_t>(little ? tiff[at] | tiff[at + 1] << 8 : tiff[at] << 8 | tiff[at + 1]);
  };
  auto u32 = [&](std::size_t at) {
    return little ? static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2)) << 16
                  : static_cast<std::uint32_t>(u16(at)) << 16 | u16(at + 2);
  };
  if (u16(2) != 42) return std::nullopt;
  const std::size_t directory = u32(4);
  if (directory + 2 > size) return std::nullopt;
  const std::size_t entries = u16(directory);
  if (directory + 2 + entries * 12 > size) return std::nullopt;
  for (std::size_t i = 0; i < entries; i++) {
    const std::size_t entry = directory + 2 + i * 12;
    if (u16(entry) != kOrientationTag) continue;
    if (u16(entry + 2) != kShortType || u32(entry + 4) != 1) return std::nullopt;
    const int orientation = u16(entry + 8);
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
  }
  return 1;
}

}  // namespace

std::optional<JpegMarkers> readJpegMarkers(int descriptor) {
  JpegMarkers markers;
  bool frame = false;
  bool exif = false;
  off_t at = 2;
  for (;;) {
    std::array<std::uint8_t, 2> mark{};
    if (!readAt(descriptor, at, mark.data(), mark.size()) || mark[0] != 0xFF) return std::nullopt;
    at += 2;
    std::uint8_t code = mark[1];
    // Any number of fill bytes may precede a marker's code.
    while (code == 0xFF) {
      if (!readAt(descriptor, at, &code, 1)) return std::nullopt;
      at += 1;
    }
    if (standsAlone(code)) continue;
    if (code == kEndOfImage) return std::nullopt;
    std::array<std::uint8_t, 2> length{};
    if (!readAt(descriptor, at, length.data(), length.size()) || bigEndian16(length.data()) < 2) return std::nullopt;
    const off_t contents = at + 2;
    const std::size_t size = bigEndian16(length.data()) - 2u;
    if (code == kStartOfScan) break;
    if (isFrameHeader(code)) {
      std::array<std::uint8_t, 6> header{};
      // One frame, of 8-bit samples.
      if (frame || size < header.size() || !readAt(descriptor, contents, header.data(), header.size()) ||
          header[0] != 8) {
        return std::nullopt;
      }
      frame = true;
      markers.height = bigEndian16(&header[1]);
      markers.width = bigEndian16(&header[3]);
      markers.components = header[5];
      markers.progressive = isProgressive(code);
    } else if (code == kExifBlock && !exif && size > 4) {
      std::vector<std::uint8_t> block(size);
      if (!readAt(descriptor, contents, block.data(), block.size())) return std::nullopt;
      if (std::string_view(reinterpret_cast<const char*>(block.data()), 4) == "Exif") {
        exif = true;
        if (size < 6 || block[4] != 0 || block[5] != 0) return std::nullopt;
        const std::optional<int> orientation = exifOrientation(block.data() + 6, size - 6);
        if (!orientation) return std::nullopt;
        markers.orientation = *orientation;
      }
    } else if (code == kProfileBlock && size > 14) {
      std::array<char, 11> name{};
      if (!readAt(descriptor, contents, name.data(), name.size())) return std::nullopt;
      if (std::string_view(name.data(), name.size()) == "ICC_PROFILE") markers.colourProfile = true;
    }
    at = contents + static_cast<off_t>(size);
  }
  if (!frame || markers.width <= 0 || markers.height <= 0) return std::nullopt;
  return markers;
}

}  // namespace velvara::imagelib::detail
