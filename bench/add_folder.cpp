// Adds a folder of photos to an empty project through the main window's own
// "Add folder..." routine, with the strip and the edit panel on screen
// (offscreen), and prints the wall time, the previews per second and the
// peak memory; then times arranging the strip and scrolling it from top to
// bottom with the wheel.
//
// usage: bench_add_folder [count (1000)] [width (1600)] [height (1200)]
// The photos are made once with libvips under <build>/bench-photos/.
// libvips first: its GLib headers use "signals" as a name, which Qt defines.
#include <vips/vips8>

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/adding/ImageAdder.h"
#include "app/editpanel/EditPanel.h"
#include "app/strip/ThumbnailStrip.h"
#include "bench/support/BenchPhotos.h"
#include "tools/gallery_build/ConsoleHost.h"

namespace {

namespace fs = std::filesystem;
using namespace velvara;
using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The console host, with a folder browser that answers with the photo folder
// and an event loop that really runs.
class BenchHost : public tools::ConsoleHost {
 public:
  explicit BenchHost(std::string folder) : ConsoleHost(true, std::cout, std::cerr), folder_(std::move(folder)) {}
  std::optional<std::string> askFolder(const core::FolderDialogRequest&) override { return folder_; }
  void processEvents() override { QApplication::processEvents(); }

 private:
  std::string folder_;
};

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int width = argc > 2 ? std::atoi(argv[2]) : 1600;
  const int height = argc > 3 ? std::atoi(argv[3]) : 1200;
  if (VIPS_INIT(argv[0])) return 1;
  fs::path folder = fs::path(VELVARA_BENCH_DIR) / ("add_folder_" + std::to_string(count) + "_" + std::to_string(width) +
                                                   "x" + std::to_string(height));
  bench::makePhotos(folder, count, width, height);
  QApplication application(argc, argv);

  BenchHost host(folder.string());
  core::Project project;
  core::ImageLibrary library;
  core::gflInit(library);
  core::KeyedCollection<std::string> urlHistory;
  QWidget window;
  window.resize(800, 700);
  app::StripControls controls;
  controls.pbOuter = new QWidget(&window);
  controls.pbOuter->setGeometry(5, 0, 770, 480);
  controls.pbInner = new QWidget(controls.pbOuter);
  controls.VScroll1 = new QScrollBar(Qt::Vertical, &window);
  controls.VScroll1->setGeometry(784, 0, 16, 496);
  controls.HScroll1 = new QScrollBar(Qt::Horizontal, &window);
  controls.HScroll1->hide();
  i18n::StringService strings;
  app::ThumbnailStrip strip(controls, project, library, host, strings);
  app::EditPanel panel(project, urlHistory, host.strings(), host, &window);
  panel.move(5, 500);
  panel.setSelectionSource(strip);
  strip.setImageDetails(panel);
  strip.setFormResize([&] {
    controls.pbInner->move(0, 0);
    controls.VScroll1->setVisible(controls.pbInner->height() > controls.pbOuter->height());
    controls.VScroll1->setMaximum(std::max(controls.pbInner->height() - controls.pbOuter->height(), 0));
    controls.VScroll1->setPageStep(140);
  });
  std::string sourceFolder;
  app::ImageAdder adder(host, project, library, strip, panel, sourceFolder);
  window.show();
  QApplication::processEvents();

  auto start = Clock::now();
  adder.addFolderFromBrowser("Add folder...", false);
  const double addSeconds = seconds(start);
  std::printf("add folder: %d photos of %dx%d, %d added in %.2f s, %.1f previews/s, peak %.0f MiB\n", count, width,
              height, project.images.count(), addSeconds, project.images.count() / addSeconds, bench::peakMemoryMiB());

  start = Clock::now();
  strip.arrangeSlides();
  QApplication::processEvents();
  std::printf("arrange %d cells: %.1f ms\n", strip.cellCount(), seconds(start) * 1000);

  // Adding leaves the last image in view; scroll from the top.
  controls.VScroll1->setValue(0);
  start = Clock::now();
  int turns = 0;
  while (controls.VScroll1->value() < controls.VScroll1->maximum()) {
    QWheelEvent wheel(QPointF(70, 70), QPointF(70, 70), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(controls.pbOuter, &wheel);
    window.repaint();
    ++turns;
  }
  std::printf("scroll to the bottom: %d wheel notches, %.2f ms per notch with repaint\n", turns,
              seconds(start) * 1000 / std::max(turns, 1));
  return 0;
}
