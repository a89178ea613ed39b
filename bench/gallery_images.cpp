// Times Velvara against libvips' own vipsthumbnail on a folder of photos, or
// on a set the benchmark makes itself when given none: camera-sized JPEGs
// with gradients, waves and grain, some of them portrait through their EXIF
// orientation. It is a benchmark, not a test: it prints figures.
//
//   bench_gallery_images [PHOTO_FOLDER|-] [WORK_FOLDER]
//
// Ours and the peer run alternately, three times each; the best run of each
// counts. Every figure is printed with its ratio to the peer and the
// machine's load before and after, since shared machines scale unevenly.
//
//   end to end   velvara-gallery-build (previews, production, pages)
//                vs vipsthumbnail, 8 processes at once, one pass per size
//   production   makeGalleryImages once the previews are loaded, same peer
//   previews     loadPreviews vs vipsthumbnail --size 120x120, 8 at once
//   one worker   makeGalleryImages with a pool of one vs vipsthumbnail, one
//                process per size over all photos
//   split        production with 8, 4, 2 and 1 workers (each picture is
//                computed in its worker's thread; libvips' own threads, set to
//                make up the rest of the cores, only encode the JPEGs)
//   memory       peak of production for the set and for 1,000 images
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include <vips/vips8>

#include "core/files/ProjectFileFormat.h"
#include "core/imaging/PreviewLoading.h"
#include "core/jobs/OrderedRun.h"
#include "core/production/ImageProduction.h"
#include "tools/gallery_build/ConsoleHost.h"

namespace {

namespace fs = std::filesystem;
using namespace velvara;
using Clock = std::chrono::steady_clock;

constexpr int kPeers = 8;

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

void makePhotoSet(const fs::path& folder, int perSize) {
  if (VIPS_INIT("bench") != 0) std::exit(1);
  fs::create_directories(folder);
  for (int i = 0; i < 2 * perSize; ++i) {
    bool large = i % 2 == 0;
    int orientation = i % 4 == 1 || i % 4 == 2 ? 6 : 0;
    std::string path = (folder / ("photo" + std::to_string(i) + ".jpg")).string();
    if (!fs::exists(path)) makePhoto(path, large ? 6000 : 4032, large ? 4000 : 3024, orientation);
  }
}

std::vector<std::string> photosIn(const fs::path& folder) {
  std::vector<std::string> photos;
  for (const auto& entry : fs::directory_iterator(folder)) {
    std::string ext = entry.path().extension().string();
    if (entry.is_regular_file() && (ext == ".jpg" || ext == ".JPG")) photos.push_back(entry.path().string());
  }
  std::sort(photos.begin(), photos.end());
  return photos;
}

// count images over the photos, taken in turn, each with its own name.
core::Project projectOf(const std::vector<std::string>& photos, int count, const std::string& dest) {
  core::Project project;
  core::setDefaultSettings(project.settings, "Benchmark", "");
  project.settings.destFolder = dest;
  for (int i = 0; i < count; ++i) {
    core::ImageItem item;
    item.sourcePath = photos[static_cast<std::size_t>(i) % photos.size()];
    item.title = "photo" + std::to_string(i);
    item.tooltip = item.title;
    item.outputBaseName = item.title;
    project.images.append(item, {});
  }
  return project;
}

double seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::string loadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string one, five, fifteen;
  in >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

// Starts a program with its output and its warnings discarded (the photos'
// EXIF and the driver's questions would bury the figures).
pid_t start(const std::vector<std::string>& command) {
  std::fflush(stdout);
  pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

// Waits for pid; its peak memory in MiB.
double finish(pid_t pid, const std::string& what) {
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "failed: %s\n", what.c_str());
    std::exit(1);
  }
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct Run {
  double wall = 0;
  double peakMiB = 0;
};

// Runs the commands at once and waits for all of them.
Run runAtOnce(const std::vector<std::vector<std::string>>& commands) {
  auto began = Clock::now();
  std::vector<pid_t> pids;
  for (const auto& command : commands) pids.push_back(start(command));
  Run run;
  for (std::size_t i = 0; i < pids.size(); ++i) run.peakMiB = std::max(run.peakMiB, finish(pids[i], commands[i][0]));
  run.wall = seconds(began);
  return run;
}

std::vector<std::string> shell(const std::string& script) { return {"sh", "-c", script}; }

std::string quoted(const std::string& path) { return "'" + path + "'"; }

// vipsthumbnail over photos in processes processes at once, each making every
// size in sizes, one pass per size.
Run peer(const std::vector<std::string>& photos, int processes, const std::vector<std::string>& sizes,
         const fs::path& out) {
  fs::create_directories(out);
  std::vector<std::vector<std::string>> commands;
  for (int p = 0; p < processes; ++p) {
    std::string files;
    for (std::size_t i = static_cast<std::size_t>(p); i < photos.size(); i += static_cast<std::size_t>(processes)) {
      files += " " + quoted(photos[i]);
    }
    std::string script;
    for (const std::string& size : sizes) {
      if (!script.empty()) script += " && ";
      script += "vipsthumbnail" + files + " --size " + size + " -o " + quoted(out.string() + "/%s_" + size + ".jpg");
    }
    commands.push_back(shell(script));
  }
  return runAtOnce(commands);
}

// Ours: this program in a child process of its own.
Run ours(const std::string& self, const std::vector<std::string>& arguments) {
  std::vector<std::string> command = {self};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return runAtOnce({command});
}

struct Best {
  Run ours, peer;
};

// Three rounds, ours and the peer alternately; the best of each.
Best bestOfThree(const std::function<Run()>& runOurs, const std::function<Run()>& runPeer) {
  Best best{{1e9, 0}, {1e9, 0}};
  for (int round = 0; round < 3; ++round) {
    Run a = runOurs();
    Run b = runPeer();
    if (a.wall < best.ours.wall) best.ours = a;
    if (b.wall < best.peer.wall) best.peer = b;
  }
  return best;
}

void print(const char* what, const Best& best, const char* peerName) {
  std::printf("%-12s ours %6.2f s (peak %4.0f MiB)   %-34s %6.2f s   ratio %.2f\n", what, best.ours.wall,
              best.ours.peakMiB, peerName, best.peer.wall, best.ours.wall / best.peer.wall);
}

// The child modes, run in a process of their own so that their time and
// memory are theirs alone.
int child(const std::string& mode, const fs::path& folder, int count, const std::string& dest, int workers) {
  core::ImageLibrary library;
  library.workerCount = workers;
  core::gflInit(library);
  std::vector<std::string> photos = photosIn(folder);
  tools::ConsoleHost host(true, std::cout, std::cerr);
  bool ok = true;
  if (mode == "--produce") {
    core::Project project = projectOf(photos, count, dest);
    ok = core::makeGalleryImages(host, project, library);
  } else {
    std::size_t loaded = 0;
    photos.resize(std::min(photos.size(), static_cast<std::size_t>(count)));
    core::loadPreviews(library, photos, 120, 120, true, [&](std::size_t, core::LoadedPreview& preview) {
      if (preview.loaded()) ++loaded;
    });
    ok = loaded == photos.size();
  }
  core::gflExit(library);
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 6 && std::string(argv[1]).starts_with("--")) {
    return child(argv[1], argv[2], std::atoi(argv[3]), argv[4], std::atoi(argv[5]));
  }
  const fs::path work = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "velvara-bench";
  fs::path folder = argc > 1 && std::string(argv[1]) != "-" ? fs::path(argv[1]) : work / "photos";
  if (argc <= 1 || std::string(argv[1]) == "-") makePhotoSet(folder, 40);
  const std::vector<std::string> photos = photosIn(folder);
  if (photos.empty()) {
    std::fprintf(stderr, "no photos in %s\n", folder.c_str());
    return 1;
  }
  const std::string self = fs::canonical("/proc/self/exe").string();
  const std::string driver = (fs::path(self).parent_path() / "velvara-gallery-build").string();
  const std::string n = std::to_string(photos.size());
  const std::string dest = (work / "gallery").string();
  fs::create_directories(work);

  // The project the build driver opens: the photos, the default settings.
  core::Project project = projectOf(photos, static_cast<int>(photos.size()), dest);
  const std::string projectFile = (work / "bench.vlr").string();
  std::ofstream(projectFile, std::ios::binary) << core::serializeProjectFile(project.settings, project.images.items());

  std::printf("photos: %zu from %s; %d cores; load before: %s\n", photos.size(), folder.c_str(),
              core::workersForThisMachine(), loadAverage().c_str());
  // Warms the page cache.
  peer(photos, kPeers, {"120x120"}, work / "warm");

  const std::vector<std::string> sizes = {"750x500", "160x120"};
  auto peerTwoSizes = [&] { return peer(photos, kPeers, sizes, work / "peer"); };
  print("end to end",
        bestOfThree(
            [&] {
              return ours(driver, {projectFile, "--answer", "yes"});
            },
            peerTwoSizes),
        "vipsthumbnail 8 at once, 2 sizes");
  print("production",
        bestOfThree(
            [&] {
              return ours(self, {"--produce", folder, n, dest, "0"});
            },
            peerTwoSizes),
        "vipsthumbnail 8 at once, 2 sizes");
  print("previews",
        bestOfThree(
            [&] {
              return ours(self, {"--previews", folder, n, dest, "0"});
            },
            [&] { return peer(photos, kPeers, {"120x120"}, work / "peer-previews"); }),
        "vipsthumbnail 120x120, 8 at once");
  print("one worker",
        bestOfThree(
            [&] {
              return ours(self, {"--produce", folder, n, dest, "1"});
            },
            [&] { return peer(photos, 1, sizes, work / "peer-one"); }),
        "vipsthumbnail, one process");

  std::printf("split (production once each):");
  for (int workers : {8, 4, 2, 1}) {
    Run run = ours(self, {"--produce", folder, n, dest, std::to_string(workers)});
    std::printf("  %d workers %.2f s", workers, run.wall);
  }
  std::printf("\n");
  Run thousand = ours(self, {"--produce", folder, "1000", dest, "0"});
  Run set = ours(self, {"--produce", folder, n, dest, "0"});
  std::printf("memory: production peak %.0f MiB for %zu images, %.0f MiB for 1000 (%.2f s)\n", set.peakMiB,
              photos.size(), thousand.peakMiB, thousand.wall);
  std::printf("load after: %s\n", loadAverage().c_str());
  return 0;
}
