#pragma once
// What every call of the image library reports: success, or an error code
// with a text the user can be shown.
#include <string>

namespace velvara::imagelib {

enum class ErrorCode {
  None = 0,
  NotInitialised,
  FileNotFound,
  UnknownFormat,
  ReadError,
  TooLarge,
  BadParameters,
  NoBitmap,
  WriteError,
};

// The fixed text of a code, e.g. "Image too large".
std::string errorString(ErrorCode code);

struct Status {
  ErrorCode code = ErrorCode::None;
  // errorString(code), followed by the decoder's or encoder's own reason
  // when there is one.
  std::string text;

  bool ok() const { return code == ErrorCode::None; }
};

}  // namespace velvara::imagelib
