#pragma once
// Loading and saving the settings file, with the messages the user sees.
#include <string>

#include "core/model/GallerySettings.h"

namespace velvara::core {

class Host;

// Replaces every field of settings by the record of the settings or current
// project file at path and has the settings editor show it (setValues). A
// file with another header or a damaged record changes nothing; when
// showError it is reported as "Invalid file!" titled with the path. A file
// that cannot be read is always reported with the system's reason. True when
// the settings were loaded.
bool loadSettingsFile(Host& host, GallerySettings& settings, const std::string& path, bool showError);

// The default settings of the start and of New ("default.vlm"): as
// loadSettingsFile without the message for a file of another kind, and
// nothing when there is no such file. The file keeps the page title of the
// language it was written in, so a default title follows the current
// language here, as at every change of the language.
bool loadDefaultSettingsFile(Host& host, GallerySettings& settings, const std::string& path);

// Writes header and record; the previous file stays whole when that fails,
// which is reported with the path and the reason, or with the setting that is
// too long for the file. True when written.
bool saveSettingsFile(Host& host, const GallerySettings& settings, const std::string& path);

}  // namespace velvara::core
