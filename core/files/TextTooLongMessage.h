#pragma once
// The message for a text that a settings or project file cannot hold: it
// names the image (its number and file name) or the setting, and the field,
// so that the user can find what to shorten.
#include <string>
#include <vector>

#include "core/files/BinaryWriter.h"
#include "core/model/ImageItem.h"

namespace velvara::core {

class Host;

// The image's file name as a message shows it: a long name is cut.
std::string shownFileName(const std::string& sourcePath);

// Critical, OK, titled with the path that was not written. images is the
// list whose record tooLong names when it names one.
void reportTextTooLong(Host& host, const std::string& path, const TextTooLong& tooLong,
                       const std::vector<ImageItem>& images);

}  // namespace velvara::core
