#include "bench/support/BenchWindow.h"

#include <sys/resource.h>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "core/files/ProjectFileFormat.h"
#include "core/model/GallerySettings.h"

namespace velvara::bench {
namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

core::MessageAnswer BenchPrompts::showMessage(const core::Message&) {
  ++messages;
  return core::MessageAnswer::Ok;
}

BenchWindow::Environment::Environment(const std::filesystem::path& home) {
  std::filesystem::create_directories(home / "Documents");
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

BenchWindow::BenchWindow(const std::filesystem::path& home) : environment_(home), application_(argc_, argv_) {
  strings_.setCurrentLanguage(i18n::kEnglishUk);
  window_ = std::make_unique<app::Form1>(strings_, prompts_, data_);
  window_->formLoad({});
  window_->show();
  QApplication::processEvents();
}

BenchWindow::~BenchWindow() { window_.reset(); }

void measureCommand(Figures& figures, const std::string& name, const std::function<void()>& action) {
  double longestPause = 0;
  auto lastTurn = Clock::now();
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    longestPause = std::max(longestPause, millisecondsSince(lastTurn));
    lastTurn = Clock::now();
  });
  ticker.start(10);
  const auto start = Clock::now();
  const double processorStart = processorSeconds();
  action();
  figures[name + "_s"] = millisecondsSince(start) / 1000;
  figures[name + "_cpu_s"] = processorSeconds() - processorStart;
  figures[name + "_pause_ms"] = longestPause;
}

double processorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::string writeProject(const std::filesystem::path& folder, const std::string& name,
                         const std::vector<std::filesystem::path>& paths) {
  core::GallerySettings settings;
  core::setDefaultSettings(settings, "Benchmark", "");
  std::vector<core::ImageItem> images(paths.size());
  for (std::size_t i = 0; i < paths.size(); ++i) {
    images[i].sourcePath = paths[i].string();
    images[i].title = images[i].tooltip = images[i].outputBaseName = paths[i].stem().string();
  }
  const std::filesystem::path path = folder / name;
  std::ofstream(path, std::ios::binary) << core::serializeProjectFile(settings, images);
  return path.string();
}

Figures runChild(const char* self, const std::vector<std::string>& arguments) {
  std::string command = self;
  for (const std::string& argument : arguments) command += " '" + argument + "'";
  command += " 2>/dev/null";
  Figures figures;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char key[64];
    double value = 0;
    while (std::fscanf(pipe, "%63s %lf", key, &value) == 2) figures[key] = value;
    pclose(pipe);
  }
  return figures;
}

double figure(const Figures& figures, const std::string& name) {
  const auto found = figures.find(name);
  return found == figures.end() ? 1e12 : found->second;
}

}  // namespace velvara::bench
