#pragma once
// Private to the image library: decoding in the helper program
// velvara-decode. Debian's JPEG 2000 decoder ends the process through an
// assertion on some damaged files; run in a process of its own, such a file
// only fails to load. The helper is found through the environment variable
// VELVARA_DECODE_HELPER when set, else beside the running program.
#include <string>

#include "platform/imagelib/DecoderReply.h"
#include "platform/imagelib/Status.h"

namespace velvara::imagelib::detail {

// Whether path holds a picture that is decoded by the helper: a JPEG 2000
// file or codestream, whatever its name ends with.
bool decodedSeparately(const std::string& path);

// The helper program's path.
std::string decoderHelperPath();

// Runs request in the helper and returns its status, reply filled when it is
// ok. A helper that cannot start, crashes, fails or answers with a short or
// malformed frame gives a read error.
Status decodeSeparately(const DecodeRequest& request, DecodeReply& reply);

}  // namespace velvara::imagelib::detail
