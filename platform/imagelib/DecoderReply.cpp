#include "platform/imagelib/DecoderReply.h"

#include <array>
#include <string_view>

namespace velvara::imagelib::detail {
namespace {

constexpr std::string_view kMagic = "VVD1";

void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putI32(std::vector<std::uint8_t>& out, std::int32_t value) { putU32(out, static_cast<std::uint32_t>(value)); }

// Thrown while reading an answer; its text is why the answer is refused.
struct Refused {
  std::string reason;
};

class FrameReader {
 public:
  explicit FrameReader(const ReadSome& read) : read_(read) {}

  void bytes(std::uint8_t* data, std::size_t size) {
    while (size > 0) {
      std::size_t got = read_(data, size);
      if (got == 0 || got > size) throw Refused{"the answer is shorter than its frame"};
      data += got;
      size -= got;
    }
  }

  std::uint32_t u32() {
    std::array<std::uint8_t, 4> raw{};
    bytes(raw.data(), raw.size());
    return raw[0] | raw[1] << 8 | raw[2] << 16 | static_cast<std::uint32_t>(raw[3]) << 24;
  }

  std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

  std::uint8_t u8() {
    std::uint8_t value = 0;
    bytes(&value, 1);
    return value;
  }

  void end() {
    std::uint8_t extra = 0;
    if (read_(&extra, 1) != 0) throw Refused{"the answer is longer than its frame"};
  }

 private:
  const ReadSome& read_;
};

void require(bool condition, const char* reason) {
  if (!condition) throw Refused{reason};
}

Status readStatus(FrameReader& in) {
  std::uint32_t code = in.u32();
  require(code <= static_cast<std::uint32_t>(ErrorCode::WriteError), "the answer has an unknown status code");
  std::uint32_t length = in.u32();
  require(length <= kMaxReplyText, "the answer's status text is too long");
  Status status;
  status.code = static_cast<ErrorCode>(code);
  status.text.resize(length);
  in.bytes(reinterpret_cast<std::uint8_t*>(status.text.data()), length);
  require(status.ok() == status.text.empty(), "the answer's status text does not fit its code");
  return status;
}

ImageInfo readInfo(FrameReader& in) {
  ImageInfo info;
  info.width = in.i32();
  info.height = in.i32();
  info.bitsPerComponent = in.i32();
  info.componentsPerPixel = in.i32();
  require(info.width >= 0 && info.height >= 0 && info.bitsPerComponent >= 0 && info.componentsPerPixel >= 0,
          "the answer has a negative picture size");
  require(static_cast<std::int64_t>(info.width) * info.height <= kMaxPixels, "the answer's picture is too large");
  return info;
}

Bitmap readBitmap(FrameReader& in, const DecodeRequest& request) {
  Bitmap bitmap;
  bitmap.type = static_cast<BitmapType>(in.i32());
  bitmap.width = in.i32();
  bitmap.height = in.i32();
  bitmap.bytesPerLine = in.i32();
  bitmap.bytesPerPixel = in.i32();
  require(bitmap.type == BitmapType::Bgr && bitmap.bytesPerPixel == 3, "the answer's bitmap is not 24-bit");
  require(bitmap.width > 0 && bitmap.height > 0, "the answer's bitmap is empty");
  const std::int64_t width = bitmap.width;
  const std::int64_t height = bitmap.height;
  require(width * height <= kMaxPixels, "the answer's bitmap is too large");
  require(bitmap.bytesPerLine == (width * 3 + 3) / 4 * 4, "the answer's bitmap rows have the wrong length");
  if (request.task == DecodeTask::Resized) {
    require(bitmap.width == request.width && bitmap.height == request.height,
            "the answer's bitmap is not the size asked for");
  }
  bitmap.pixels.resize(static_cast<std::size_t>(bitmap.bytesPerLine) * static_cast<std::size_t>(height));
  in.bytes(bitmap.pixels.data(), bitmap.pixels.size());
  return bitmap;
}

}  // namespace

const char* taskName(DecodeTask task) {
  switch (task) {
    case DecodeTask::Info:
      return "info";
    case DecodeTask::Bitmap:
      return "bitmap";
    case DecodeTask::Resized:
      return "resized";
  }
  return "";
}

std::vector<std::uint8_t> encodeReplyHead(const DecodeReply& reply) {
  std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
  putU32(out, static_cast<std::uint32_t>(reply.status.code));
  std::string_view text(reply.status.text);
  text = text.substr(0, kMaxReplyText);
  putU32(out, static_cast<std::uint32_t>(text.size()));
  out.insert(out.end(), text.begin(), text.end());
  putI32(out, reply.info.width);
  putI32(out, reply.info.height);
  putI32(out, reply.info.bitsPerComponent);
  putI32(out, reply.info.componentsPerPixel);
  const Bitmap& bitmap = reply.bitmap;
  out.push_back(bitmap.hasData() ? 1 : 0);
  if (bitmap.hasData()) {
    putI32(out, static_cast<std::int32_t>(bitmap.type));
    putI32(out, bitmap.width);
    putI32(out, bitmap.height);
    putI32(out, bitmap.bytesPerLine);
    putI32(out, bitmap.bytesPerPixel);
  }
  return out;
}

std::string readReply(const ReadSome& read, const DecodeRequest& request, DecodeReply& reply) {
  try {
    FrameReader in(read);
    std::array<std::uint8_t, kMagic.size()> magic{};
    in.bytes(magic.data(), magic.size());
    require(std::string_view(reinterpret_cast<const char*>(magic.data()), magic.size()) == kMagic,
            "the answer is not a decoder frame");
    DecodeReply result;
    result.status = readStatus(in);
    result.info = readInfo(in);
    bool hasBitmap = in.u8() != 0;
    bool wantsBitmap = result.status.ok() && request.task != DecodeTask::Info;
    require(hasBitmap == wantsBitmap, wantsBitmap ? "the answer has no bitmap" : "the answer has an unasked bitmap");
    if (hasBitmap) result.bitmap = readBitmap(in, request);
    in.end();
    reply = std::move(result);
    return {};
  } catch (const Refused& refused) {
    return refused.reason;
  } catch (const std::bad_alloc&) {
    return "out of memory";
  }
}

}  // namespace velvara::imagelib::detail
