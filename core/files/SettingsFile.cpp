#include "core/files/SettingsFile.h"

#include <filesystem>
#include <optional>

#include "core/files/BinaryWriter.h"
#include "core/files/FileAccess.h"
#include "core/files/SettingsFileFormat.h"
#include "core/files/TextTooLongMessage.h"
#include "core/host/Host.h"
#include "i18n/StringService.h"

namespace velvara::core {
namespace {

constexpr int kInvalidFile = 232;

std::optional<GallerySettings> readSettingsFile(Host& host, const std::string& path, bool showError) {
  std::error_code error;
  auto bytes = readWholeFile(path, error);
  if (error) {
    reportFileError(host, path, error);
    return std::nullopt;
  }
  auto loaded = parseSettingsFile(bytes);
  if (!loaded && showError) {
    host.showMessage({MessageIcon::Critical, MessageButtons::Ok, path, host.strings().loadMlString(kInvalidFile)});
  }
  return loaded;
}

bool adopt(Host& host, GallerySettings& settings, std::optional<GallerySettings> loaded) {
  if (!loaded) return false;
  settings = std::move(*loaded);
  host.settingsSetValues();
  return true;
}

}  // namespace

bool loadSettingsFile(Host& host, GallerySettings& settings, const std::string& path, bool showError) {
  return adopt(host, settings, readSettingsFile(host, path, showError));
}

bool loadDefaultSettingsFile(Host& host, GallerySettings& settings, const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) return false;
  auto loaded = readSettingsFile(host, path, false);
  if (loaded) loaded->webTitle = webTitleInCurrentLanguage(loaded->webTitle, host.strings());
  return adopt(host, settings, std::move(loaded));
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
