#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/files/FileAccess.h"
#include "core/jobs/OrderedRun.h"
#include "core/model/GalleryFiles.h"
#include "core/model/SettingsCheck.h"
#include "core/production/ImageJob.h"
#include "core/production/ImageProduction.h"
#include "platform/imagelib/Library.h"

namespace velvara::core {
namespace {

namespace fs = std::filesystem;

// Sizes and quality that are not numbers can only come from a hand-made
// file; they are refused before any folder is touched, with the warning the
// gallery build gives for them.
std::optional<GallerySizes> readSizes(Host& host, const GallerySettings& settings) {
  std::string problem;
  auto sizes = gallerySizes(settings, host.strings(), problem);
  if (!sizes) {
    Message message;
    message.icon = MessageIcon::Exclamation;
    message.text = problem;
    host.showMessage(message);
  }
  return sizes;
}

// Ends production after a file-system failure, naming the path and the
// system's reason.
struct FolderFailure {
  std::string path;
  std::error_code error;
};

void makeFolder(const std::string& path) {
  std::error_code error;
  if (!fs::create_directory(path, error) && !error && !fs::is_directory(path, error)) {
    error = std::make_error_code(std::errc::not_a_directory);
  }
  if (error) throw FolderFailure{path, error};
}

// Deletes every file directly in the folder (links too, never what they
// point to); subfolders stay with everything in them.
void emptyOrMakeFolder(const std::string& path) {
  std::error_code error;
  if (!fs::is_directory(path, error)) {
    makeFolder(path);
    return;
  }
  fs::directory_iterator it(path, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code typeError;
    if (it->symlink_status(typeError).type() == fs::file_type::directory) continue;
    // A file that vanished meanwhile is as good as deleted.
    std::error_code removeError;
    fs::remove(it->path(), removeError);
    if (removeError) throw FolderFailure{it->path().string(), removeError};
  }
  if (error) throw FolderFailure{path, error};
}

void copyLinkedFile(const std::string& link, const std::string& target) {
  std::error_code error;
  if (fs::is_directory(link, error)) throw FolderFailure{link, std::make_error_code(std::errc::is_a_directory)};
  // Written beside its place and renamed into it, so a link there is
  // replaced, never followed.
  error = copyFileAtomically(link, target);
  if (error) throw FolderFailure{link, error};
}

void reportFolderFailure(Host& host, const FolderFailure& failure) {
  Message message;
  message.icon = MessageIcon::Critical;
  message.title = failure.path;
  message.text = failure.path + "\r\n" + failure.error.message();
  host.showMessage(message);
}

void finish(Host& host) {
  host.hideProgress();
  host.setMainWindowEnabled(true);
  host.restoreCaption();
  host.processEvents();
}

}  // namespace

bool makeGalleryImages(Host& host, const Project& project, ImageLibrary& library) {
  gflInit(library);
  const GallerySettings& settings = project.settings;
  std::optional<GallerySizes> sizes = readSizes(host, settings);
  if (!sizes) {
    finish(host);
    return false;
  }
  const bool keepAspect = settings.keepAspectRatio == 1;
  const std::string thumbs = settings.destFolder + "/thumbs";
  const std::string photos = settings.destFolder + "/photos";
  const std::string gallery = settings.destFolder + "/gallery";
  const ImageList& images = project.images;
  const bool showProgress = images.count() > 2;
  try {
    std::error_code error;
    if (!fs::exists(settings.destFolder, error)) makeFolder(settings.destFolder);
    emptyOrMakeFolder(thumbs);
    emptyOrMakeFolder(photos);
    if (copiesLinkedFiles(settings.galleryStyle)) emptyOrMakeFolder(gallery);

    if (showProgress) {
      host.showProgress(1, images.count());
      host.setProgress(1);
      host.setMainWindowEnabled(false);
    }
  } catch (const FolderFailure& failure) {
    reportFolderFailure(host, failure);
    finish(host);
    return false;
  }

  // The images are made by the workers, ahead of the turn at which each is
  // reported here, in list order, as one loop over the list would. The
  // workers read only the jobs, made here before they start.
  std::vector<std::optional<ImageJob>> jobs(static_cast<std::size_t>(images.count()));
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    const ImageItem& image = images.items()[i];
    if (!image.thumbnailCached) continue;
    const GalleryFiles files = galleryFilesOf(settings, image);
    ImageJob& job = jobs[i].emplace();
    job.source = image.sourcePath;
    job.sizes = *sizes;
    job.keepAspect = keepAspect;
    job.thumbPath = files.thumbFile;
    job.photoPath = files.photoFile;
  }
  const int workers = library.workerCount > 0 ? library.workerCount : workersForThisMachine();
  imagelib::setThreadsPerPicture(std::max(1, workersForThisMachine() / workers));
  bool completed = true;
  runInOrder<ImageOutcome>(
      jobs.size(), workers, [&](std::size_t i) { return jobs[i] ? makeImageFiles(*jobs[i]) : ImageOutcome(); },
      [&](std::size_t i, ImageOutcome& outcome) {
        if (showProgress) host.setProgress(static_cast<int>(i) + 1);
        const ImageItem& image = images.item(static_cast<std::int32_t>(i));
        if (!image.thumbnailCached) return true;
        host.setCaption(image.sourcePath);
        host.processEvents();
        for (const Message& message : outcome.messages) host.showMessage(message);
        if (outcome.writeFailed) {
          completed = false;
          return false;
        }
        // Looked at now, at the image's turn, as the page will refer to it.
        const GalleryFiles files = galleryFilesOf(settings, image);
        if (!files.copySource.empty()) {
          try {
            copyLinkedFile(files.copySource, files.copyFile);
          } catch (const FolderFailure& failure) {
            reportFolderFailure(host, failure);
            completed = false;
            return false;
          }
        }
        return true;
      },
      [](std::size_t, ImageOutcome& outcome) {
        // Made ahead of a turn that never came: a run that stopped there
        // leaves none of its files.
        for (const std::string& file : outcome.written) {
          std::error_code ignored;
          fs::remove(file, ignored);
        }
      });
  finish(host);
  return completed;
}

}  // namespace velvara::core
