#include "platform/imagelib/DecoderReply.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velvara::imagelib::detail {
namespace {

// An answer as the helper writes it: the head, then the pixels.
std::vector<std::uint8_t> frame(const DecodeReply& reply) {
  std::vector<std::uint8_t> bytes = encodeReplyHead(reply);
  bytes.insert(bytes.end(), reply.bitmap.pixels.begin(), reply.bitmap.pixels.end());
  return bytes;
}

// Reads bytes in pieces of at most chunk, as a pipe may deliver them.
std::string read(const std::vector<std::uint8_t>& bytes, const DecodeRequest& request, DecodeReply& reply,
                 std::size_t chunk = 7) {
  std::size_t at = 0;
  return readReply(
      [&](std::uint8_t* data, std::size_t size) {
        std::size_t n = std::min({size, chunk, bytes.size() - at});
        // Not memcpy: the bytes of an empty answer have no address, and memcpy
        // must never be handed a null one, not even to copy nothing.
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), n, data);
        at += n;
        return n;
      },
      request, reply);
}

DecodeReply bitmapReply(std::int32_t width, std::int32_t height) {
  DecodeReply reply;
  reply.bitmap.width = width;
  reply.bitmap.height = height;
  reply.bitmap.bytesPerPixel = 3;
  reply.bitmap.bytesPerLine = (3 * width + 3) / 4 * 4;
  reply.bitmap.pixels.resize(static_cast<std::size_t>(reply.bitmap.bytesPerLine) * height);
  for (std::size_t i = 0; i < reply.bitmap.pixels.size(); ++i) reply.bitmap.pixels[i] = static_cast<std::uint8_t>(i);
  return reply;
}

// Overwrites the little-endian number at offset.
void patch(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Offsets in a frame with an empty status text.
constexpr std::size_t kTextLength = 8, kInfo = 12, kBitmapWidth = 33, kBytesPerLine = 41;

const DecodeRequest kBitmapRequest{DecodeTask::Bitmap, "a.jp2", 0, 0};

TEST(DecoderReplyTest, BitmapsInformationAndFailuresComeBackAsSent) {
  DecodeReply sent = bitmapReply(5, 3);
  sent.info = {5, 3, 8, 3};
  DecodeReply got;
  ASSERT_EQ(read(frame(sent), kBitmapRequest, got), "");
  EXPECT_TRUE(got.status.ok());
  EXPECT_EQ(got.info.componentsPerPixel, 3);
  EXPECT_EQ(got.bitmap.type, BitmapType::Bgr);
  EXPECT_EQ(got.bitmap.width, 5);
  EXPECT_EQ(got.bitmap.height, 3);
  EXPECT_EQ(got.bitmap.bytesPerLine, 16);
  EXPECT_EQ(got.bitmap.pixels, sent.bitmap.pixels);

  DecodeReply failed;
  failed.status = {ErrorCode::TooLarge, "Image too large: 90000 x 90000"};
  DecodeReply gotFailure;
  ASSERT_EQ(read(frame(failed), kBitmapRequest, gotFailure), "");
  EXPECT_EQ(gotFailure.status.code, ErrorCode::TooLarge);
  EXPECT_EQ(gotFailure.status.text, failed.status.text);
  EXPECT_FALSE(gotFailure.bitmap.hasData());

  DecodeReply info;
  info.info = {4000, 3000, 16, 3};
  DecodeReply gotInfo;
  ASSERT_EQ(read(frame(info), {DecodeTask::Info, "a.jp2", 0, 0}, gotInfo, 1), "");
  EXPECT_EQ(gotInfo.info.width, 4000);
  EXPECT_EQ(gotInfo.info.bitsPerComponent, 16);
}

TEST(DecoderReplyTest, EveryShortAnswerAndAnyTrailingByteIsRefusedAndLeavesTheReplyAlone) {
  std::vector<std::uint8_t> whole = frame(bitmapReply(5, 3));
  for (std::size_t length = 0; length < whole.size(); ++length) {
    DecodeReply got;
    std::string reason =
        read({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)}, kBitmapRequest, got);
    EXPECT_EQ(reason, "the answer is shorter than its frame") << length;
    EXPECT_FALSE(got.bitmap.hasData()) << length;
  }
  whole.push_back(0);
  DecodeReply got;
  EXPECT_EQ(read(whole, kBitmapRequest, got), "the answer is longer than its frame");
  EXPECT_FALSE(got.bitmap.hasData());
}

TEST(DecoderReplyTest, SizesBeyondTheCapsAreRefusedBeforeAnythingIsAllocated) {
  // Only the head is sent: a reader that trusted the size would wait for
  // about 30 GB of pixels or allocate them.
  std::vector<std::uint8_t> head = encodeReplyHead(bitmapReply(5, 3));
  patch(head, kBitmapWidth, 100000);
  patch(head, kBitmapWidth + 4, 100000);
  patch(head, kBytesPerLine, 300000);
  DecodeReply got;
  EXPECT_EQ(read(head, kBitmapRequest, got), "the answer's bitmap is too large");

  std::vector<std::uint8_t> longText = encodeReplyHead(DecodeReply{});
  patch(longText, kTextLength, kMaxReplyText + 1);
  EXPECT_EQ(read(longText, kBitmapRequest, got), "the answer's status text is too long");

  std::vector<std::uint8_t> hugeInfo = frame(DecodeReply{});
  patch(hugeInfo, kInfo, 1u << 20);
  patch(hugeInfo, kInfo + 4, 1u << 20);
  EXPECT_EQ(read(hugeInfo, {DecodeTask::Info, "a.jp2", 0, 0}, got), "the answer's picture is too large");
}

TEST(DecoderReplyTest, AnswersThatDoNotFitTheRequestAreRefused) {
  DecodeReply got;
  std::vector<std::uint8_t> noMagic = frame(bitmapReply(5, 3));
  noMagic[0] = 'X';
  EXPECT_EQ(read(noMagic, kBitmapRequest, got), "the answer is not a decoder frame");

  EXPECT_EQ(read(frame(bitmapReply(5, 3)), {DecodeTask::Info, "a.jp2", 0, 0}, got), "the answer has an unasked bitmap");
  EXPECT_EQ(read(frame(DecodeReply{}), kBitmapRequest, got), "the answer has no bitmap");
  EXPECT_EQ(read(frame(bitmapReply(5, 3)), {DecodeTask::Resized, "a.jp2", 6, 3}, got),
            "the answer's bitmap is not the size asked for");
  EXPECT_EQ(read(frame(bitmapReply(5, 3)), {DecodeTask::Resized, "a.jp2", 5, 3}, got), "");

  std::vector<std::uint8_t> rows = frame(bitmapReply(5, 3));
  patch(rows, kBytesPerLine, 15);
  EXPECT_EQ(read(rows, kBitmapRequest, got), "the answer's bitmap rows have the wrong length");

  std::vector<std::uint8_t> code = frame(DecodeReply{});
  patch(code, 4, 99);
  EXPECT_EQ(read(code, kBitmapRequest, got), "the answer has an unknown status code");

  DecodeReply silentFailure;
  silentFailure.status.code = ErrorCode::ReadError;
  EXPECT_EQ(read(frame(silentFailure), kBitmapRequest, got), "the answer's status text does not fit its code");

  DecodeReply failedWithBitmap = bitmapReply(5, 3);
  failedWithBitmap.status = {ErrorCode::ReadError, "Error while reading the file"};
  EXPECT_EQ(read(frame(failedWithBitmap), kBitmapRequest, got), "the answer has an unasked bitmap");
}

}  // namespace
}  // namespace velvara::imagelib::detail
