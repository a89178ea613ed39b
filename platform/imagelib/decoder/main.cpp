// velvara-decode: decodes one picture for the image library in a process of
// its own, so a decoder that aborts on a damaged file ends only this process.
//
//   velvara-decode info PATH
//   velvara-decode bitmap PATH
//   velvara-decode resized PATH WIDTH HEIGHT
//
// The answer is one frame (platform/imagelib/DecoderReply.h) on standard
// output; the exit status is 0 whenever a frame was written, the picture's
// own failure included. Otherwise it is 2 for a wrong command line, 3 when
// the frame cannot be written and 4 when libvips does not start.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/imagelib/DecoderReply.h"
#include "platform/imagelib/InProcess.h"
#include "platform/imagelib/Library.h"

namespace {

using namespace velvara::imagelib;

bool parseSize(std::string_view text, std::int32_t& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool parseRequest(int argc, char** argv, detail::DecodeRequest& request) {
  if (argc < 3) return false;
  std::string_view task = argv[1];
  request.path = argv[2];
  if (task == "info" && argc == 3) {
    request.task = detail::DecodeTask::Info;
  } else if (task == "bitmap" && argc == 3) {
    request.task = detail::DecodeTask::Bitmap;
  } else if (task == "resized" && argc == 5) {
    request.task = detail::DecodeTask::Resized;
    return parseSize(argv[3], request.width) && parseSize(argv[4], request.height);
  } else {
    return false;
  }
  return true;
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    ssize_t written = ::write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

detail::DecodeReply run(const detail::DecodeRequest& request) {
  detail::DecodeReply reply;
  switch (request.task) {
    case detail::DecodeTask::Info:
      reply.status = detail::readImageInfoInProcess(request.path, reply.info);
      break;
    case detail::DecodeTask::Bitmap:
      reply.status = detail::loadBitmapInProcess(request.path, reply.bitmap);
      break;
    case detail::DecodeTask::Resized:
      reply.status = detail::loadResizedInProcess(request.path, request.width, request.height, reply.bitmap);
      break;
  }
  if (!reply.status.ok()) reply.bitmap.release();
  return reply;
}

}  // namespace

int main(int argc, char** argv) {
  detail::DecodeRequest request;
  if (!parseRequest(argc, argv, request)) {
    std::fputs("usage: velvara-decode info|bitmap PATH | resized PATH WIDTH HEIGHT\n", stderr);
    return 2;
  }
  // The frame goes to the original standard output; whatever a library
  // prints there lands on standard error, where it cannot corrupt the frame.
  const int answer = ::dup(STDOUT_FILENO);
  if (answer < 0 || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0) return 3;
  // Without its image library the helper has no answer about the file.
  if (!libraryInit()) return 4;
  detail::DecodeReply reply = run(request);
  libraryExit();
  std::vector<std::uint8_t> head = detail::encodeReplyHead(reply);
  bool written = writeAll(answer, head.data(), head.size()) &&
                 writeAll(answer, reply.bitmap.pixels.data(), reply.bitmap.pixels.size());
  return written && ::close(answer) == 0 ? 0 : 3;
}
