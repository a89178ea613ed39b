#pragma once
// One image's share of production as a pure step: what to make from which
// file goes in, the files written and what went wrong come out. The step
// talks to nobody and touches nothing but its own files, so any number of
// them can run at once; the caller shows the outcome.
#include <string>
#include <vector>

#include "core/host/Prompts.h"
#include "core/model/SettingsCheck.h"

namespace velvara::core {

struct ImageJob {
  std::string source;
  GallerySizes sizes;
  bool keepAspect = true;
  int thumbQuality = 80;
  int sharpen = 25;
  std::string thumbPath;
  std::string photoPath;
};

struct ImageOutcome {
  // The message boxes to show for this image, in order.
  std::vector<Message> messages;
  // The files written, in order.
  std::vector<std::string> written;
  // A JPEG could not be written (a full disk, a file size limit): nothing
  // after it was attempted, and production ends once the messages are shown.
  bool writeFailed = false;
};

// Both sizes of the job's picture. The picture is decoded once when the
// thumbnail is no larger than the large image: the thumbnail is then made
// from the large image before it is sharpened, so each output is resized,
// then sharpened. The thumbnail is written first.
ImageOutcome makeImageFiles(const ImageJob& job);

}  // namespace velvara::core
