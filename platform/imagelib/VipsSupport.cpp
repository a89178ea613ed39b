#include "platform/imagelib/VipsSupport.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>

namespace velvara::imagelib::detail {
namespace {

std::atomic<bool> ready = false;

// The gate of CallGate: any number of shared holders, or one alone. A call
// waiting to run alone keeps new shared holders out, so it is never starved.
struct GateState {
  std::mutex mutex;
  std::condition_variable changed;
  int shared = 0;
  int aloneWaiting = 0;
  bool alone = false;
};

GateState& gate() {
  static GateState state;
  return state;
}

thread_local bool callAlone = false;

struct BudgetState {
  std::mutex mutex;
  std::condition_variable changed;
  std::int64_t inUse = 0;
};

BudgetState& budget() {
  static BudgetState state;
  return state;
}

std::string firstLine(std::string text) {
  auto end = text.find('\n');
  if (end != std::string::npos) text.erase(end);
  return text;
}

bool beginsWith(const std::string& path, std::string_view magic) {
  std::ifstream file(path, std::ios::binary);
  std::string head(magic.size(), '\0');
  file.read(head.data(), static_cast<std::streamsize>(head.size()));
  return file.gcount() == static_cast<std::streamsize>(magic.size()) && head == magic;
}

// Computes image, which must be 8-bit with bands bands, in the calling
// thread, a strip at a time from the top, handing each row to row(y, samples).
template <typename Row>
void computeRows(const vips::VImage& image, int bands, Row&& row) {
  if (image.bands() != bands || image.format() != VIPS_FORMAT_UCHAR) {
    throw Failure{ErrorCode::ReadError, "unexpected pixel layout"};
  }
  std::unique_ptr<VipsRegion, decltype(&g_object_unref)> region(vips_region_new(image.get_image()), &g_object_unref);
  if (!region) throw vips::VError();
  // Strips as tall as libvips' own for a picture read from the top.
  constexpr int kStripHeight = 64;
  const int width = image.width();
  const int height = image.height();
  for (int top = 0; top < height; top += kStripHeight) {
    VipsRect strip{0, top, width, std::min(kStripHeight, height - top)};
    if (vips_region_prepare(region.get(), &strip) != 0) throw vips::VError();
    for (int y = strip.top; y < strip.top + strip.height; ++y) {
      row(y, reinterpret_cast<const std::uint8_t*>(VIPS_REGION_ADDR(region.get(), 0, y)));
    }
  }
}

}  // namespace

std::mutex& BuiltPipeline::buildLock() {
  static std::mutex lock;
  return lock;
}

bool isReady() { return ready; }
void setReady(bool value) { ready = value; }

CallGate::Shared::Shared() {
  GateState& state = gate();
  std::unique_lock lock(state.mutex);
  state.changed.wait(lock, [&] { return !state.alone && state.aloneWaiting == 0; });
  ++state.shared;
}

CallGate::Shared::~Shared() {
  GateState& state = gate();
  std::lock_guard lock(state.mutex);
  if (--state.shared == 0) state.changed.notify_all();
}

CallGate::Alone::Alone() {
  GateState& state = gate();
  std::unique_lock lock(state.mutex);
  ++state.aloneWaiting;
  state.changed.wait(lock, [&] { return !state.alone && state.shared == 0; });
  --state.aloneWaiting;
  state.alone = true;
  callAlone = true;
  // Whatever earlier calls left is nobody's report any more.
  vips_error_clear();
}

CallGate::Alone::~Alone() {
  vips_error_clear();
  callAlone = false;
  GateState& state = gate();
  std::lock_guard lock(state.mutex);
  state.alone = false;
  state.changed.notify_all();
}

bool runningAlone() { return callAlone; }

bool errorBufferHasText() {
  // Only alone calls clear the buffer, and none runs while the caller holds
  // the gate shared: whatever the caller's call wrote is still there. Text
  // another thread appends meanwhile only sends the caller round once more.
  return vips_error_buffer()[0] != '\0';
}

std::int64_t bytesHeldWhole(const vips::VImage& header) {
  const std::int64_t samples = std::int64_t{header.width()} * header.height() * header.bands();
  std::string_view loader = header.get_typeof(VIPS_META_LOADER) != 0 ? header.get_string(VIPS_META_LOADER) : "";
  // The reader of a file read through a source is named for that.
  if (loader.ends_with("_source")) loader.remove_suffix(std::string_view("_source").size());
  const bool interlaced = header.get_typeof("interlaced") != 0 && header.get_int("interlaced") != 0;
  const bool jpeg = loader == "jpegload";
  if (interlaced && jpeg) return samples * 2;
  for (std::string_view whole : {"gifload", "heifload", "jxlload", "magickload"}) {
    if (whole == loader) return samples * static_cast<std::int64_t>(vips_format_sizeof(header.format()));
  }
  if (interlaced) return samples * static_cast<std::int64_t>(vips_format_sizeof(header.format()));
  return 0;
}

DecodeReservation::DecodeReservation(std::int64_t bytes, int width, int height) : bytes_(bytes) {
  if (bytes > kMaxDecodeBytes) {
    throw Failure{ErrorCode::TooLarge, std::to_string(width) + " x " + std::to_string(height)};
  }
  BudgetState& state = budget();
  std::unique_lock lock(state.mutex);
  state.changed.wait(lock, [&] { return state.inUse == 0 || state.inUse + bytes <= kMaxDecodeBytes; });
  state.inUse += bytes;
}

DecodeReservation::~DecodeReservation() {
  BudgetState& state = budget();
  std::lock_guard lock(state.mutex);
  state.inUse -= bytes_;
  state.changed.notify_all();
}

void checkReadable(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) throw Failure{ErrorCode::FileNotFound, path};
  const char* found = vips_foreign_find_load(path.c_str());
  const char* loader = found ? vips_nickname_find(g_type_from_name(found)) : nullptr;
  if (!loader) throw Failure{ErrorCode::UnknownFormat, {}};
  // The loader's nickname names the file-based reader, e.g. "jpegload".
  for (const FormatEntry& entry : formatTable()) {
    if (entry.loader != loader) continue;
    if (entry.magic.empty() || beginsWith(path, entry.magic)) return;
  }
  throw Failure{ErrorCode::UnknownFormat, {}};
}

vips::VImage openHeader(const std::string& path) {
  vips::VImage image = vips::VImage::new_from_file(
      path.c_str(),
      vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL)->set("fail_on", VIPS_FAIL_ON_TRUNCATED));
  checkSize(image);
  return image;
}

void checkSize(const vips::VImage& header) {
  if (static_cast<std::int64_t>(header.width()) * header.height() > kMaxPixels ||
      bytesHeldWhole(header) > kMaxDecodeBytes) {
    throw Failure{ErrorCode::TooLarge, std::to_string(header.width()) + " x " + std::to_string(header.height())};
  }
}

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

Bitmap uprightAtSize(Bitmap bitmap, int orientation, int width, int height) {
  if (orientation == 1 && bitmap.width == width && bitmap.height == height) return bitmap;
  std::vector<std::uint8_t> storage;
  vips::VImage image = fromBitmap(bitmap, storage);
  if (orientation != 1) {
    image = image.copy();
    image.set(VIPS_META_ORIENTATION, orientation);
    image = image.autorot();
  }
  return toBitmap(exactSize(image, width, height));
}

vips::VImage toSrgb8(vips::VImage image) {
  if (image.interpretation() != VIPS_INTERPRETATION_sRGB && vips_colourspace_issupported(image.get_image())) {
    image = image.colourspace(VIPS_INTERPRETATION_sRGB);
  }
  if (image.has_alpha()) {
    image = image.flatten(vips::VImage::option()->set("background", std::vector<double>{255, 255, 255}));
  }
  if (image.bands() > 3) image = image.extract_band(0, vips::VImage::option()->set("n", 3));
  if (image.bands() < 3) {
    vips::VImage grey = image.extract_band(0);
    image = vips::VImage::bandjoin(std::vector<vips::VImage>{grey, grey, grey});
  }
  if (image.format() != VIPS_FORMAT_UCHAR) image = image.cast(VIPS_FORMAT_UCHAR);
  return image;
}

vips::VImage exactSize(vips::VImage image, int width, int height) {
  if (image.width() > width || image.height() > height) {
    image = image.crop(0, 0, std::min(image.width(), width), std::min(image.height(), height));
  }
  if (image.width() < width || image.height() < height) {
    image = image.embed(0, 0, width, height, vips::VImage::option()->set("extend", VIPS_EXTEND_COPY));
  }
  return image;
}

void checkBitmap(const Bitmap& bitmap) {
  if (!bitmap.hasData() || bitmap.width <= 0 || bitmap.height <= 0) throw Failure{ErrorCode::NoBitmap, {}};
  const std::size_t width = static_cast<std::size_t>(bitmap.width);
  const std::size_t height = static_cast<std::size_t>(bitmap.height);
  if (bitmap.type != BitmapType::Bgr || bitmap.bytesPerPixel != 3 ||
      static_cast<std::size_t>(bitmap.bytesPerLine) < width * 3 ||
      bitmap.pixels.size() < static_cast<std::size_t>(bitmap.bytesPerLine) * height) {
    throw Failure{ErrorCode::BadParameters, "not a 24-bit bitmap"};
  }
}

vips::VImage fromBitmap(const Bitmap& bitmap, std::vector<std::uint8_t>& storage) {
  checkBitmap(bitmap);
  const std::size_t width = static_cast<std::size_t>(bitmap.width);
  const std::size_t height = static_cast<std::size_t>(bitmap.height);
  storage.resize(width * height * 3);
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t* from = bitmap.pixels.data() + (height - 1 - y) * bitmap.bytesPerLine;
    std::uint8_t* to = storage.data() + y * width * 3;
    for (std::size_t x = 0; x < width; ++x) {
      to[3 * x] = from[3 * x + 2];
      to[3 * x + 1] = from[3 * x + 1];
      to[3 * x + 2] = from[3 * x];
    }
  }
  vips::VImage image =
      vips::VImage::new_from_memory(storage.data(), storage.size(), bitmap.width, bitmap.height, 3, VIPS_FORMAT_UCHAR);
  return image.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

Bitmap toBitmap(const vips::VImage& image) {
  const std::size_t width = static_cast<std::size_t>(image.width());
  const std::size_t height = static_cast<std::size_t>(image.height());
  Bitmap bitmap;
  bitmap.type = BitmapType::Bgr;
  bitmap.width = image.width();
  bitmap.height = image.height();
  bitmap.bytesPerPixel = 3;
  bitmap.bytesPerLine = static_cast<std::int32_t>((width * 3 + 3) / 4 * 4);
  bitmap.pixels.assign(static_cast<std::size_t>(bitmap.bytesPerLine) * height, 0);
  computeRows(image, 3, [&](int y, const std::uint8_t* from) {
    std::uint8_t* to = bitmap.pixels.data() + (height - 1 - static_cast<std::size_t>(y)) * bitmap.bytesPerLine;
    for (std::size_t x = 0; x < width; ++x) {
      to[3 * x] = from[3 * x + 2];
      to[3 * x + 1] = from[3 * x + 1];
      to[3 * x + 2] = from[3 * x];
    }
  });
  return bitmap;
}

void computeInto(const vips::VImage& image, SampleRows& rows) {
  rows.width = image.width();
  rows.height = image.height();
  rows.bands = image.bands();
  const std::size_t line = static_cast<std::size_t>(rows.width) * rows.bands;
  rows.samples.resize(line * static_cast<std::size_t>(rows.height));
  computeRows(image, rows.bands, [&](int y, const std::uint8_t* from) { std::memcpy(rows.row(y), from, line); });
}

Bitmap toBitmap(const SampleRows& rows) {
  if (rows.bands != 1 && rows.bands != 3) throw Failure{ErrorCode::ReadError, "unexpected pixel layout"};
  const std::size_t width = static_cast<std::size_t>(rows.width);
  const std::size_t height = static_cast<std::size_t>(rows.height);
  Bitmap bitmap;
  bitmap.type = BitmapType::Bgr;
  bitmap.width = rows.width;
  bitmap.height = rows.height;
  bitmap.bytesPerPixel = 3;
  bitmap.bytesPerLine = static_cast<std::int32_t>((width * 3 + 3) / 4 * 4);
  bitmap.pixels.assign(static_cast<std::size_t>(bitmap.bytesPerLine) * height, 0);
  for (std::size_t y = 0; y < height; ++y) {
    const std::uint8_t* from = rows.row(static_cast<int>(y));
    std::uint8_t* to = bitmap.pixels.data() + (height - 1 - y) * bitmap.bytesPerLine;
    if (rows.bands == 1) {
      // Grey shown in colour: libvips' sRGB of a grey picture repeats it.
      for (std::size_t x = 0; x < width; ++x) to[3 * x] = to[3 * x + 1] = to[3 * x + 2] = from[x];
    } else {
      for (std::size_t x = 0; x < width; ++x) {
        to[3 * x] = from[3 * x + 2];
        to[3 * x + 1] = from[3 * x + 1];
        to[3 * x + 2] = from[3 * x];
      }
    }
  }
  return bitmap;
}

std::string takeVipsError() {
  std::string text = firstLine(vips_error_buffer());
  vips_error_clear();
  return text;
}

std::string takeDamageReport() {
  std::string buffer = vips_error_buffer();
  vips_error_clear();
  std::size_t start = 0;
  while (start < buffer.size()) {
    std::size_t end = std::min(buffer.find('\n', start), buffer.size());
    std::string line = buffer.substr(start, end - start);
    start = end + 1;
    bool strayBytes = line.starts_with("VipsJpeg: Corrupt JPEG data: ") &&
                      line.find(" extraneous bytes before marker ") != std::string::npos;
    bool scanParameters = line == "VipsJpeg: Invalid SOS parameters for sequential JPEG";
    if (!line.empty() && !strayBytes && !scanParameters) return line;
  }
  return {};
}

Status failureStatus(ErrorCode code, const std::string& detail) {
  Status status;
  status.code = code;
  status.text = errorString(code);
  if (!detail.empty()) status.text += ": " + detail;
  return status;
}

}  // namespace velvara::imagelib::detail
