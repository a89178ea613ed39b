#include "core/files/SettingsFile.h"

#include "core/files/BinaryWriter.h"
#include "core/files/FileAccess.h"
#include "core/files/SettingsFileFormat.h"
#include "core/files/TextTooLongMessage.h"
#include "core/host/Host.h"
#include "i18n/StringService.h"

namespace velvara::core {
namespace {

constexpr int kInvalidFile = 232;

}  // namespace

bool loadSettingsFile(Host& host, GallerySettings& settings, const std::string& path, bool showError) {
  std::error_code error;
  auto bytes = readWholeFile(path, error);
  if (error) {
    reportFileError(host, path, error);
    return false;
  }
  auto loaded = parseSettingsFile(bytes);
  if (!loaded) {
    if (showError) {
      host.showMessage({MessageIcon::Critical, MessageButtons::Ok, path, host.strings().loadMlString(kInvalidFile)});
    }
    return false;
  }
  settings = std::move(*loaded);
  host.settingsSetValues();
  return true;
}

bool saveSettingsFile(Host& host, const GallerySettings& settings, const std::string& path) {
  std::string bytes;
  try {
    bytes = serializeSettingsFile(settings);
  } catch (const TextTooLong& tooLong) {
    reportTextTooLong(host, path, tooLong, {});
    return false;
  }
  if (auto error = replaceFileAtomically(path, bytes)) {
    reportFileError(host, path, error);
    return false;
  }
  return true;
}

}  // namespace velvara::core
