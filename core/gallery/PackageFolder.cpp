#include "core/gallery/PackageFolder.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "assets/Assets.h"
#include "core/gallery/FileOutput.h"
#include "i18n/AddedStrings.h"
#include "i18n/StringService.h"

namespace velvara::core {

namespace fs = std::filesystem;

namespace {

constexpr int kStringErrorWritingFile = 197;
constexpr int kStringErrorNumber = 198;
constexpr int kStringErrorDescription = 199;
constexpr int kStringFolderNotEmpty1 = 239;
constexpr int kStringFolderNotEmpty2 = 241;

void throwIf(const std::error_code& code, const std::string& path) {
  if (code) throw GalleryFileError(path, code);
}

assets::Bytes findAsset(std::string_view group, std::string_view name, const std::string& path) {
  auto bytes = assets::find(group, name);
  if (!bytes) {
    throw GalleryFileError(path, ENOENT, i18n::added::kPackageFileMissing, {std::string(name), std::string(group)});
  }
  return *bytes;
}

std::string_view asText(assets::Bytes bytes) { return {reinterpret_cast<const char*>(bytes.data()), bytes.size()}; }

bool isDirectory(const fs::directory_entry& entry) {
  std::error_code code;
  return entry.is_directory(code);
}

// The system's description, with the path when it is not the folder that
// already titles the box (a file inside it that could not be deleted).
std::string describe(const std::string& reason, const std::string& path, const std::string& title) {
  return path.empty() || path == title ? reason : reason + ": " + path;
}

}  // namespace

bool folderHoldsFiles(const std::string& folder) {
  std::error_code code;
  fs::directory_iterator it(folder, code);
  throwIf(code, folder);
  for (; it != fs::directory_iterator(); it.increment(code)) {
    if (!isDirectory(*it)) return true;
  }
  throwIf(code, folder);
  return false;
}

bool confirmNonEmptyFolder(Host& host, const std::string& folder) {
  const auto& strings = host.strings();
  Message question;
  question.icon = MessageIcon::Question;
  question.buttons = MessageButtons::YesNo;
  question.title = std::string();
  question.text = strings.loadMlString(kStringFolderNotEmpty1) + "\r\n'" + folder + "'\r\n" +
                  strings.loadMlString(kStringFolderNotEmpty2);
  return host.showMessage(question) == MessageAnswer::Yes;
}

void createFolderIfMissing(const std::string& folder) {
  std::error_code code;
  if (fs::is_directory(folder, code)) return;
  fs::create_directory(folder, code);
  throwIf(code, folder);
  // create_directory reports no error when a file of that name is in the way.
  if (!fs::is_directory(folder, code)) throw GalleryFileError(folder, std::make_error_code(std::errc::file_exists));
}

void deleteFilesIn(const std::string& folder) {
  std::error_code code;
  fs::directory_iterator it(folder, code);
  throwIf(code, folder);
  for (; it != fs::directory_iterator(); it.increment(code)) {
    if (isDirectory(*it)) continue;
    std::error_code removeCode;
    fs::remove(it->path(), removeCode);
    throwIf(removeCode, it->path().string());
  }
  throwIf(code, folder);
}

void showPackageError(Host& host, const std::string& title, int number, const std::string& description) {
  const auto& strings = host.strings();
  Message box;
  box.icon = MessageIcon::Critical;
  box.buttons = MessageButtons::Ok;
  box.title = title;
  box.text = strings.loadMlString(kStringErrorNumber) + std::to_string(number) + "\r\n" +
             strings.loadMlString(kStringErrorDescription) + description;
  host.showMessage(box);
}

bool runPackageStep(Host& host, const std::string& title, const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const GalleryFileError& error) {
    showPackageError(host, title, error.number(), describe(error.reason(host.strings()), error.path(), title));
  } catch (const fs::filesystem_error& error) {
    showPackageError(host, title, error.code().value(),
                     describe(error.code().message(), error.path1().string(), title));
  } catch (const std::system_error& error) {
    showPackageError(host, title, error.code().value(), error.code().message());
  }
  return false;
}

bool prepareGalleryFolder(Host& host, const std::string& folder, bool clearFolder) {
  bool declined = false;
  const bool done = runPackageStep(host, folder, [&] {
    std::error_code code;
    if (!fs::is_directory(folder, code)) {
      createFolderIfMissing(folder);
    } else if (clearFolder && folderHoldsFiles(folder)) {
      declined = !confirmNonEmptyFolder(host, folder);
      if (!declined) deleteFilesIn(folder);
    }
  });
  return done && !declined;
}

void writeBinaryAssetIfMissing(std::string_view group, std::string_view name, const std::string& path) {
  std::error_code code;
  if (fs::exists(fs::symlink_status(path, code))) return;
  writeWholeFile(path, asText(findAsset(group, name, path)));
}

void writeTextAsset(Host& host, std::string_view group, std::string_view name, const std::string& path) {
  std::error_code code;
  fs::remove(path, code);
  throwIf(code, path);
  writePaddedText(host, asText(findAsset(group, name, path)), path);
}

void writePaddedText(Host& host, std::string_view text, const std::string& path) {
  while (!text.empty() && text.back() == '\0') text.remove_suffix(1);
  if (text.size() <= 1) {
    Message box;
    box.text = host.strings().loadMlString(kStringErrorWritingFile) + path;
    host.showMessage(box);
    return;
  }
  writeWholeFile(path, text);
}

}  // namespace velvara::core
