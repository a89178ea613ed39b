// velvara-gallery-build PROJECT.vlr [--html-only] [--answer yes|no] [--workers N]
//
// Makes the gallery of a project file into the project's destination folder
// without a window, for tests and benchmarks: the project is loaded and its
// previews cached as the main window does after opening it, then the gallery
// is built, N pictures at once (default: one per core). Messages go to
// standard error, the page the shell would open to standard output. Exit
// status 0 only when the build ran to its end.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "core/files/OpenProject.h"
#include "core/folders/DataFolder.h"
#include "core/gallery/MakeGallery.h"
#include "core/helpers/KeyedCollection.h"
#include "core/imaging/ImageLibrary.h"
#include "core/imaging/PreviewLoading.h"
#include "core/model/Project.h"
#include "tools/gallery_build/ConsoleHost.h"

namespace {

using namespace velvara;

constexpr float kPreviewBox = 120;
constexpr int kUsageError = 2;
constexpr int kBuildStopped = 1;

struct Options {
  std::string projectPath;
  bool htmlOnly = false;
  bool answerYes = false;
  int workers = 0;
};

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--html-only") {
      options.htmlOnly = true;
    } else if (arg == "--answer" && i + 1 < argc &&
               (std::string_view(argv[i + 1]) == "yes" || std::string_view(argv[i + 1]) == "no")) {
      options.answerYes = std::string_view(argv[++i]) == "yes";
    } else if (arg == "--workers" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
      options.workers = std::atoi(argv[++i]);
    } else if (options.projectPath.empty() && !arg.starts_with("--")) {
      options.projectPath = arg;
    } else {
      return false;
    }
  }
  return !options.projectPath.empty();
}

// The remembered web addresses that opening a project saves go to a folder of
// this run only, so a test build never touches the user's own list.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velvara-gallery-build-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Caches every image's preview as the thumbnail strip does after a load; only
// images whose file loads get gallery JPEGs.
void cachePreviews(core::ImageLibrary& library, core::Project& project) {
  std::vector<std::string> paths;
  for (const core::ImageItem& image : project.images.items()) paths.push_back(image.sourcePath);
  core::loadPreviews(library, paths, kPreviewBox, kPreviewBox, true, [&](std::size_t i, core::LoadedPreview& preview) {
    if (preview.loaded()) project.images.setPreview(static_cast<std::int32_t>(i), std::move(preview.bitmap));
  });
}

int run(const Options& options) {
  tools::ConsoleHost host(options.answerYes, std::cout, std::cerr);
  ScratchFolder dataFolder;
  if (dataFolder.path().empty()) {
    std::cerr << "velvara-gallery-build: cannot make a temporary folder" << std::endl;
    return kBuildStopped;
  }
  if (!std::filesystem::is_regular_file(options.projectPath)) {
    std::cerr << "velvara-gallery-build: no project file " << options.projectPath << std::endl;
    return kBuildStopped;
  }

  core::ImageLibrary library;
  library.workerCount = options.workers;
  core::gflInit(library);
  bool built = false;
  {
    core::Project project;
    core::KeyedCollection<std::string> urlHistory;
    const auto opened = core::openProject(host, project, urlHistory, dataFolder.path(), options.projectPath, false);
    if (opened.loaded) {
      cachePreviews(library, project);
      // The build keeps the user's own data folder whole, as the window's
      // does, though this run keeps its addresses elsewhere.
      built = core::makeGallery(host, project, library, core::findDataFolder(), options.htmlOnly);
    }
  }
  core::gflExit(library);
  return built ? EXIT_SUCCESS : kBuildStopped;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::cerr << "usage: velvara-gallery-build PROJECT.vlr [--html-only] [--answer yes|no] [--workers N]" << std::endl;
    return kUsageError;
  }
  return run(options);
}
