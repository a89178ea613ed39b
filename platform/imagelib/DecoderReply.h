#pragma once
// Private to the image library: what the decoder helper is asked and the
// framed answer it writes to its standard output. The answer is checked
// field by field as it is read, so a helper that dies halfway or writes
// nonsense never yields a half-filled bitmap or an oversized allocation.
//
// The frame, all numbers little-endian: "VVD1"; the status code (u32); the
// length of the status text (u32) and its bytes; the picture information
// (four i32); 1 when a bitmap follows, else 0 (u8); the bitmap's type, width,
// height, bytes per line and bytes per pixel (five i32) and its pixels,
// exactly bytes per line x height of them. Nothing may follow.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/imagelib/Bitmap.h"
#include "platform/imagelib/Library.h"
#include "platform/imagelib/Status.h"

namespace velvara::imagelib::detail {

enum class DecodeTask { Info, Bitmap, Resized };

struct DecodeRequest {
  DecodeTask task = DecodeTask::Info;
  std::string path;
  // The size a Resized task asks for.
  std::int32_t width = 0;
  std::int32_t height = 0;
};

struct DecodeReply {
  Status status;
  ImageInfo info;
  Bitmap bitmap;
};

// The longest status text an answer may carry.
inline constexpr std::uint32_t kMaxReplyText = 64 * 1024;

// The task's name on the helper's command line, e.g. "resized".
const char* taskName(DecodeTask task);

// The answer's bytes up to its pixels; the pixels follow as they are stored.
std::vector<std::uint8_t> encodeReplyHead(const DecodeReply& reply);

// Reads up to size bytes of the answer into data; 0 at its end or when it
// cannot be read further.
using ReadSome = std::function<std::size_t(std::uint8_t* data, std::size_t size)>;

// Reads the answer to request into reply. Returns why it is refused (short,
// longer than its frame, or not what the request can be answered with), or
// an empty text when it is accepted. A bitmap is never larger than the pixel
// cap allows.
std::string readReply(const ReadSome& read, const DecodeRequest& request, DecodeReply& reply);

}  // namespace velvara::imagelib::detail
