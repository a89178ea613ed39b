#include "platform/imagelib/Library.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "platform/imagelib/VipsSupport.h"

namespace velvara::imagelib {

std::string errorString(ErrorCode code) {
  switch (code) {
    case ErrorCode::None:
      return "No error";
    case ErrorCode::NotInitialised:
      return "Image library not started";
    case ErrorCode::FileNotFound:
      return "File not found";
    case ErrorCode::UnknownFormat:
      return "Unknown format";
    case ErrorCode::ReadError:
      return "Error while reading the file";
    case ErrorCode::TooLarge:
      return "Image too large";
    case ErrorCode::BadParameters:
      return "Bad parameters";
    case ErrorCode::NoBitmap:
      return "No bitmap";
    case ErrorCode::WriteError:
      return "Error while writing the file";
  }
  return "Unknown error";
}

bool libraryInit() {
  if (detail::isReady()) return true;
  if (VIPS_INIT("velvara") != 0) {
    detail::takeVipsError();
    return false;
  }
  // Every picture is distinct: cached operations would only hold memory.
  vips_cache_set_max(0);
  detail::setReady(true);
  return true;
}

void setThreadsPerPicture(int threads) { vips_concurrency_set(threads < 1 ? 1 : threads); }

void returnFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

void libraryExit() {
  if (!detail::isReady()) return;
  vips_shutdown();
  detail::setReady(false);
}

}  // namespace velvara::imagelib
