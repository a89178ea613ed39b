#include "tests/app/MainWindowFixture.h"

#include <QDesktopServices>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/MainHost.h"
#include "core/files/ProjectFileFormat.h"
#include "platform/shell/Folders.h"
#include "tests/support/TestImages.h"

namespace velvara::app::testing {

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

MainWindowFixture::MainWindowFixture() {
  std::filesystem::create_directories(dir_.path() / "home" / "Documents");
  std::filesystem::create_directories(dir_.path() / "config");
  setenv("HOME", dir_.file("home").c_str(), 1);
  setenv("XDG_CONFIG_HOME", dir_.file("config").c_str(), 1);
  setenv("XDG_CACHE_HOME", dir_.file("cache").c_str(), 1);
  strings_.setCurrentLanguage(i18n::kEnglishUk);
  for (const char* scheme : {"http", "https", "file"}) QDesktopServices::setUrlHandler(scheme, &opened_, "open");
}

MainWindowFixture::~MainWindowFixture() {
  if (window_) window_->close();
  for (const char* scheme : {"http", "https", "file"}) QDesktopServices::unsetUrlHandler(scheme);
}

Form1& MainWindowFixture::load(const std::vector<std::string>& arguments) {
  window_ = std::make_unique<Form1>(strings_, prompts_, data_);
  window_->formLoad(arguments);
  return *window_;
}

Form1& MainWindowFixture::start(const std::vector<std::string>& arguments) {
  load(arguments);
  window_->show();
  // The window takes its outer size once the platform has framed it.
  QTest::qWait(1);
  return *window_;
}

std::string MainWindowFixture::stored(const char* key) const {
  return registry::AppSettings().getSetting(shell::programFolder(), "settings", key, "<none>");
}

void MainWindowFixture::store(const char* key, const std::string& value) const {
  registry::AppSettings().saveSetting(shell::programFolder(), "settings", key, value);
}

std::vector<std::string> MainWindowFixture::titles() const {
  std::vector<std::string> result;
  for (const auto& image : data_.project.images.items()) result.push_back(image.title);
  return result;
}

std::string MainWindowFixture::writeProject(const std::string& name, int count, bool links) {
  core::GallerySettings settings;
  core::setDefaultSettings(settings, "Test gallery", "");
  settings.destFolder = galleryFolder();
  std::vector<core::ImageItem> images;
  for (int i = 1; i <= count; ++i) {
    core::ImageItem item;
    item.sourcePath = dir_.file("photo" + std::to_string(i) + ".jpg");
    if (!std::filesystem::exists(item.sourcePath)) {
      velvara::testing::writeTestImage(item.sourcePath, {.width = 80 + 10 * i, .height = 60});
    }
    item.title = item.tooltip = item.outputBaseName = "photo" + std::to_string(i);
    item.linkText = "3D";
    if (links) item.linkUrl = "http://127.0.0.1/" + std::to_string(i);
    images.push_back(item);
  }
  const std::string path = dir_.file(name);
  std::ofstream(path, std::ios::binary) << core::serializeProjectFile(settings, images);
  return path;
}

std::string MainWindowFixture::writeProjectOfMissingPictures(const std::string& name, int count) {
  core::GallerySettings settings;
  core::setDefaultSettings(settings, "Test gallery", "");
  std::vector<core::ImageItem> images(count);
  for (int i = 0; i < count; ++i) {
    images[i].sourcePath = dir_.file("missing/photo" + std::to_string(i) + ".jpg");
    images[i].title = images[i].outputBaseName = "photo" + std::to_string(i);
  }
  const std::string path = dir_.file(name);
  std::ofstream(path, std::ios::binary) << core::serializeProjectFile(settings, images);
  return path;
}

}  // namespace velvara::app::testing
