// libvips first: its GLib headers use "signals" as a name, which Qt defines.
#include <vips/vips8>

#include "bench/support/BenchPhotos.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace velvara::bench {
namespace {

double statusMiB(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.starts_with(key)) return std::atof(line.c_str() + std::string(key).size()) / 1024.0;
  return 0;
}

// A distinct JPEG of width x height, photo number index of a set, made
// unless it is there already.
void makePhoto(const std::filesystem::path& folder, int index, int width, int height) {
  using vips::VImage;
  const std::filesystem::path path = folder / photoName(index);
  if (std::filesystem::exists(path)) return;
  VImage xy = VImage::xyz(width, height);
  VImage base = (xy[0] * (200.0 / width) + xy[1] * (100.0 / height) + index % 50);
  VImage grain = VImage::gaussnoise(width, height, VImage::option()->set("sigma", 12.0));
  VImage rgb = VImage::bandjoin(std::vector<VImage>{base + grain, base * 0.8 + grain, base * 0.5 + 60 + grain});
  // Written aside and renamed, so that an interrupted run leaves no half photo.
  const std::filesystem::path partial = path.string() + ".part.jpg";
  rgb.cast(VIPS_FORMAT_UCHAR)
      .copy(VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB))
      .jpegsave(partial.c_str(), VImage::option()->set("Q", 90));
  std::filesystem::rename(partial, path);
}

}  // namespace

std::string photoName(int index) {
  char name[32];
  std::snprintf(name, sizeof name, "photo%04d.jpg", index);
  return name;
}

void makePhotos(const std::filesystem::path& folder, int count, int width, int height) {
  std::filesystem::create_directories(folder);
  const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([=] {
      for (int i = t; i < count; i += threads) makePhoto(folder, i, width, height);
    });
  }
  for (auto& worker : workers) worker.join();
}

double peakMemoryMiB() { return statusMiB("VmHWM:"); }

double residentMemoryMiB() { return statusMiB("VmRSS:"); }

}  // namespace velvara::bench
