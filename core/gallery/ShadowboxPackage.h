#pragma once
// The Shadowbox overlay package: prepares the gallery folder for the Shadowbox
// display style and writes the overlay's scripts, skin and icons into it.
#include <string>

#include "core/host/Host.h"

namespace velvara::core {

// Prepares folder (the gallery folder, without a trailing "/") and writes the
// package's "src/" tree, then makes "library/" and "gallery/". With
// clearFolder, a folder holding files directly in it is emptied of those files
// after the user agrees. False when the user declines (no message) or when any
// step fails (after an error box titled with the folder that step handles).
bool writeShadowboxFiles(core::Host& host, const std::string& folder, bool clearFolder);

// Writes the binary asset fileName of the package as folder/fileName, only
// when that file does not exist yet. Throws on a failure to write.
void writeShadowboxBinary(const std::string& fileName, const std::string& folder);

// Rewrites folder/fileName from the text asset fileName of the package, its
// padding zero bytes cut. An asset without content is reported and not
// written. Throws on a failure to write.
void writeShadowboxText(core::Host& host, const std::string& fileName, const std::string& folder);

}  // namespace velvara::core
