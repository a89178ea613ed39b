// Times image production against libvips' own vipsthumbnail on a photo set
// that the benchmark makes itself: camera-sized JPEGs with gradients, waves
// and grain, some of them portrait through their EXIF orientation.
//
//   bench_gallery_images [photos per size (default 10)] [work folder]
//
// Prints photos per second of (a) makeGalleryImages, (b) vipsthumbnail making
// the same two sizes per photo one call after the other, (c) addImage of the
// whole set, and (c') vipsthumbnail --size 120x120 over the same photos,
// with the peak memory of (a) for half of the set and for all of it.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <vips/vips8>

#include "core/imaging/AddImage.h"
#include "core/production/ImageProduction.h"
#include "tools/gallery_build/ConsoleHost.h"

namespace {

namespace fs = std::filesystem;
using namespace velvara;
using Clock = std::chrono::steady_clock;

// A photo-like picture: smooth gradients and waves under film grain, so the
// JPEG is about as large as a camera's.
void makePhoto(const std::string& path, int width, int height, int orientation) {
  using vips::VImage;
  VImage xy = VImage::xyz(width, height);
  VImage x = xy[0], y = xy[1];
  VImage wave = ((x * (0.013)).sin() + (y * 0.007).cos()) * 30;
  VImage red = x * (180.0 / width) + wave + 40;
  VImage green = y * (160.0 / height) - wave * 0.5 + 60;
  VImage blue = (x + y) * (120.0 / (width + height)) + wave * 0.3 + 70;
  VImage grain = VImage::gaussnoise(width, height, VImage::option()->set("sigma", 14.0));
  VImage rgb = VImage::bandjoin(std::vector<VImage>{red + grain, green + grain, blue + grain});
  VImage photo = rgb.cast(VIPS_FORMAT_UCHAR).copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
  if (orientation != 0) photo.set(VIPS_META_ORIENTATION, orientation);
  photo.jpegsave(path.c_str(), VImage::option()->set("Q", 92));
}

std::vector<std::string> photoSet(const fs::path& folder, int perSize) {
  fs::create_directories(folder);
  std::vector<std::string> paths;
  for (int i = 0; i < 2 * perSize; ++i) {
    bool large = i % 2 == 0;
    int orientation = i % 4 == 1 || i % 4 == 2 ? 6 : 0;
    std::string path = (folder / ("photo" + std::to_string(i) + ".jpg")).string();
    if (!fs::exists(path)) {
      makePhoto(path, large ? 6000 : 4032, large ? 4000 : 3024, orientation);
      std::printf("made %s\n", path.c_str());
    }
    paths.push_back(path);
  }
  return paths;
}

core::Project projectOf(const std::vector<std::string>& photos, const std::string& dest) {
  core::Project project;
  core::setDefaultSettings(project.settings, "Benchmark", "");
  project.settings.destFolder = dest;
  for (std::size_t i = 0; i < photos.size(); ++i) {
    core::ImageItem item;
    item.sourcePath = photos[i];
    item.outputBaseName = "photo" + std::to_string(i);
    project.images.append(item, {});
  }
  return project;
}

double seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void run(const std::string& command) {
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
}

// Runs production in a child process of its own and returns the wall time
// and the child's peak memory in MiB, which the child reports itself: the
// kernel's figures for children also count the pages a child shared with
// this process before it started the program.
std::pair<double, double> produceInChild(const std::string& self, const fs::path& folder, int count,
                                         const fs::path& dest) {
  std::string command = self + " --produce " + folder.string() + " " + std::to_string(count) + " " + dest.string();
  auto start = Clock::now();
  FILE* child = popen(command.c_str(), "r");
  double peakKiB = 0;
  if (child == nullptr || std::fscanf(child, "peak %lf", &peakKiB) != 1 || pclose(child) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
  return {seconds(start), peakKiB / 1024.0};
}

// The peak resident memory of this program, in KiB.
double peakMemoryKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("VmHWM:")) return std::atof(line.c_str() + 6);
  }
  return 0;
}

int produce(const fs::path& folder, int count, const std::string& dest) {
  core::ImageLibrary library;
  core::gflInit(library);
  std::vector<std::string> photos;
  for (int i = 0; i < count; ++i) photos.push_back((folder / ("photo" + std::to_string(i) + ".jpg")).string());
  core::Project project = projectOf(photos, dest);
  tools::ConsoleHost host(true, std::cout, std::cerr);
  bool ok = core::makeGalleryImages(host, project, library);
  std::printf("peak %.0f\n", peakMemoryKiB());
  core::gflExit(library);
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--produce") return produce(argv[2], std::atoi(argv[3]), argv[4]);
  int perSize = argc > 1 ? std::atoi(argv[1]) : 10;
  fs::path work = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "velvara-bench";
  if (perSize < 1) perSize = 1;

  core::ImageLibrary library;
  core::gflInit(library);
  std::vector<std::string> photos = photoSet(work / "photos", perSize);
  const int n = static_cast<int>(photos.size());
  run("sync");

  // (a) production: over half of the set for the memory figure, then twice
  // over the whole set, the first run warming the page cache.
  auto [halfWall, halfPeak] = produceInChild(argv[0], work / "photos", n / 2, work / "out-half");
  produceInChild(argv[0], work / "photos", n, work / "out-a");
  auto [wallA, peakA] = produceInChild(argv[0], work / "photos", n, work / "out-a");

  // (b) vipsthumbnail, both sizes per photo, one call after the other.
  fs::create_directories(work / "out-b");
  auto start = Clock::now();
  for (const std::string& photo : photos) {
    std::string base = (work / "out-b").string() + "/%s";
    run("vipsthumbnail '" + photo + "' --size 750x500 -o '" + base + "_large.jpg[Q=90,strip]'");
    run("vipsthumbnail '" + photo + "' --size 160x120 -o '" + base + "_thumb.jpg[Q=80,strip]'");
  }
  double wallB = seconds(start);

  // (c) previews of the whole set, as adding them does.
  tools::ConsoleHost host(true, std::cout, std::cerr);
  core::Project project;
  start = Clock::now();
  for (const std::string& photo : photos) core::addImage(host, project, library, photo, 120, 120, true);
  double wallC = seconds(start);

  // (c') vipsthumbnail making 120 x 120 previews of the same photos.
  fs::create_directories(work / "out-c");
  std::string all;
  for (const std::string& photo : photos) all += " '" + photo + "'";
  start = Clock::now();
  run("vipsthumbnail" + all + " --size 120x120 -o '" + (work / "out-c").string() + "/%s.jpg'");
  double wallC2 = seconds(start);

  std::printf("photos: %d (%d of 6000x4000, %d of 4032x3024, JPEG Q92)\n", n, perSize, perSize);
  std::printf("(a)  makeGalleryImages           %6.2f s  %6.2f photos/s  peak %.0f MiB (half the set: %.0f MiB)\n",
              wallA, n / wallA, peakA, halfPeak);
  std::printf("(b)  vipsthumbnail, two calls     %6.2f s  %6.2f photos/s\n", wallB, n / wallB);
  std::printf("(c)  addImage previews            %6.2f s  %6.2f photos/s  (%zu added)\n", wallC, n / wallC,
              static_cast<std::size_t>(project.images.count()));
  std::printf("(c') vipsthumbnail --size 120x120 %6.2f s  %6.2f photos/s\n", wallC2, n / wallC2);
  std::printf("ratio (a)/(b) %.2f   ratio (c)/(c') %.2f   (half set took %.2f s)\n", wallA / wallB, wallC / wallC2,
              halfWall);
  project.images.clear();
  core::gflExit(library);
  return 0;
}
