// Adding a folder of photos to an empty project in the real main window
// (offscreen) with its "Add folder..." button, beside opening a project of
// the same photos with File > Open. Each runs in a process of its own, so
// that its peak memory is its own; printed side by side, with the add's
// figure as a share of the opening's: the time, the processor time, the peak
// memory and what stays resident once the command is done. Then, after the
// add, arranging the strip and scrolling it from top to bottom with the
// wheel.
//
// usage: bench_add_folder [count (10000)] [width (640)] [height (480)]
// The photos are made once with libvips under <build>/bench-photos/.
// libvips first: its GLib headers use "signals" as a name, which Qt defines.
#include <vips/vips8>

#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/strip/ThumbnailStrip.h"
#include "bench/support/BenchPhotos.h"
#include "bench/support/BenchWindow.h"

namespace {

namespace fs = std::filesystem;
using namespace velvara;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// What a command leaves: its images and previews, the memory at its peak
// and, once the event loop has deleted what the command let go, resident.
void afterCommand(bench::BenchWindow& program, bench::Figures& out) {
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
  const core::ImageList& images = program.data().project.images;
  out["images"] = images.count();
  int cached = 0;
  for (const auto& image : images.items()) cached += image.thumbnailCached;
  out["previews"] = cached;
  out["peak_mib"] = bench::peakMemoryMiB();
  out["resident_mib"] = bench::residentMemoryMiB();
  out["messages"] = program.prompts().messages;
}

// Arranging the strip, then wheel notches from its top to its bottom, each
// with its repaint.
void arrangeAndScroll(app::Form1& window, bench::Figures& out) {
  auto start = Clock::now();
  window.strip().arrangeSlides();
  QApplication::processEvents();
  out["arrange_ms"] = millisecondsSince(start);

  QScrollBar* bar = window.controls().VScroll1;
  bar->setValue(0);
  QApplication::processEvents();
  QWidget* outer = window.controls().pbOuter;
  start = Clock::now();
  int notches = 0;
  while (bar->value() < bar->maximum()) {
    const QPointF at(70, 70);
    QWheelEvent wheel(at, outer->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(outer, &wheel);
    window.repaint();
    ++notches;
  }
  out["notches"] = notches;
  out["notch_ms"] = millisecondsSince(start) / std::max(notches, 1);
}

int addChild(const std::string& folder, const fs::path& home) {
  bench::BenchWindow program(home);
  program.prompts().folder = folder;
  bench::Figures out;
  bench::measureCommand(out, "command",
                        [&] { QTest::mouseClick(program.window().controls().cmdAddFolder, Qt::LeftButton); });
  afterCommand(program, out);
  arrangeAndScroll(program.window(), out);
  for (const auto& [key, value] : out) std::printf("%s %.3f\n", key.c_str(), value);
  return 0;
}

int openChild(const std::string& project, const fs::path& home) {
  bench::BenchWindow program(home);
  program.prompts().projectPath = project;
  bench::Figures out;
  bench::measureCommand(out, "command", [&] { program.window().menus().mnuOpenProject->trigger(); });
  afterCommand(program, out);
  for (const auto& [key, value] : out) std::printf("%s %.3f\n", key.c_str(), value);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--add") return addChild(argv[2], argv[3]);
  if (argc == 4 && std::string(argv[1]) == "--open") return openChild(argv[2], argv[3]);
  const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
  const int width = argc > 2 ? std::atoi(argv[2]) : 640;
  const int height = argc > 3 ? std::atoi(argv[3]) : 480;
  if (count < 1 || width < 1 || height < 1) return 2;
  if (VIPS_INIT(argv[0])) return 1;
  const fs::path folder = fs::path(VELVARA_BENCH_DIR) / ("add_folder_" + std::to_string(count) + "_" +
                                                         std::to_string(width) + "x" + std::to_string(height));
  bench::makePhotos(folder, count, width, height);
  const fs::path work = fs::temp_directory_path() / ("velvara-bench-add-" + std::to_string(getpid()));
  fs::create_directories(work);
  std::vector<fs::path> paths;
  for (int i = 0; i < count; ++i) paths.push_back(folder / bench::photoName(i));
  const std::string project = bench::writeProject(work, "photos.vlr", paths);
  const bench::Figures add = bench::runChild(argv[0], {"--add", folder.string(), (work / "home-add").string()});
  const bench::Figures open = bench::runChild(argv[0], {"--open", project, (work / "home-open").string()});
  fs::remove_all(work);

  const std::string title =
      std::to_string(count) + " photos of " + std::to_string(width) + "x" + std::to_string(height);
  std::printf("%-40s%14s%14s%12s   target\n", title.c_str(), "add folder", "open project", "add / open");
  auto row = [&](const char* label, const char* key, const char* format, const std::string& target, bool met) {
    std::printf("%-40s", label);
    for (const bench::Figures* run : {&add, &open}) {
      if (run->contains(key)) {
        std::printf(format, run->at(key));
      } else {
        std::printf("%14s", "-");
      }
    }
    if (add.contains(key) && open.contains(key) && open.at(key) > 0) {
      std::printf("%12.2f", add.at(key) / open.at(key));
    } else {
      std::printf("%12s", "");
    }
    std::printf("   %s%s\n", target.c_str(), target.empty() ? "" : (met ? "  met" : "  NOT MET"));
  };
  // The memory the opening of a large project is held to.
  constexpr double kMemoryTarget = 476.8;
  row("time (s)", "command_s", "%14.2f", "", true);
  row("  processor time, all threads (s)", "command_cpu_s", "%14.2f", "", true);
  row("  longest event-loop pause (ms)", "command_pause_ms", "%14.0f", "", true);
  row("images", "images", "%14.0f", "every photo", bench::figure(add, "images") == count);
  row("  previews loaded", "previews", "%14.0f", "every photo", bench::figure(add, "previews") == count);
  row("peak memory (MiB)", "peak_mib", "%14.0f", "<= 500 MB (476.8 MiB)",
      bench::figure(add, "peak_mib") <= kMemoryTarget);
  row("resident when done (MiB)", "resident_mib", "%14.0f", "<= 500 MB (476.8 MiB)",
      bench::figure(add, "resident_mib") <= kMemoryTarget);
  row("messages shown", "messages", "%14.0f", "none", bench::figure(add, "messages") == 0);
  row("arrange the strip (ms)", "arrange_ms", "%14.1f", "", true);
  row("scroll to the bottom: wheel notches", "notches", "%14.0f", "", true);
  row("  per notch with repaint (ms)", "notch_ms", "%14.2f", "", true);
  return 0;
}
