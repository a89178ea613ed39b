#include "app/adding/ImageAdder.h"

#include <filesystem>

#include "app/adding/DroppedFiles.h"
#include "app/adding/FolderListing.h"
#include "core/files/FileDialog.h"
#include "core/imaging/AddImage.h"
#include "core/imaging/ImageLibrary.h"
#include "core/imaging/NonUtf8Names.h"
#include "core/imaging/PreviewLoading.h"
#include "core/imaging/ReadableFormats.h"
#include "i18n/StringService.h"

namespace velvara::app {
namespace {

std::string folderOfPath(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

std::string joinPath(const std::string& folder, const std::string& name) {
  return (std::filesystem::path(folder) / name).string();
}

}  // namespace

ImageAdder::ImageAdder(core::Host& host, core::Project& project, core::ImageLibrary& library, ThumbnailStrip& strip,
                       ImageDetails& details, std::string& sourceFolder, QObject* parent)
    : QObject(parent),
      host_(host),
      project_(project),
      library_(library),
      strip_(strip),
      details_(details),
      sourceFolder_(sourceFolder) {
  connect(&strip_, &ThumbnailStrip::filesDropped, this, &ImageAdder::addDroppedFiles);
}

void ImageAdder::setPreviewBox(std::int32_t width, std::int32_t height) {
  boxWidth_ = width;
  boxHeight_ = height;
}

bool ImageAdder::addOne(const std::string& path, core::NonUtf8Names& refused) {
  if (core::isSupportedImageExt(library_, core::getFileExtension(path)) && refused.refuse(path)) return false;
  if (!core::addImage(host_, project_, library_, path, boxWidth_, boxHeight_, true)) return false;
  strip_.showNewSlide(project_.images.count() - 1);
  return true;
}

void ImageAdder::addMany(const std::vector<std::string>& paths, core::NonUtf8Names& refused,
                         const std::function<bool(std::size_t, const core::LoadedPreview&)>& before,
                         const std::function<void(bool)>& after) {
  // Decoded on every core ahead of their turn, added here in their order.
  core::loadPreviews(library_, paths, boxWidth_, boxHeight_, true, [&](std::size_t i, core::LoadedPreview& preview) {
    if (!before(i, preview)) return;
    bool added = !(preview.readable && refused.refuse(paths[i])) &&
                 core::addLoadedImage(host_, project_, paths[i], std::move(preview));
    if (added) strip_.showNewSlide(project_.images.count() - 1);
    after(added);
  });
}

void ImageAdder::refreshAfterAdding() {
  if (imageCommandsRule_) imageCommandsRule_();
  strip_.arrangeSlides();
  strip_.scrollSlideIntoView(project_.images.count() - 1);
}

void ImageAdder::addImagesFromDialog(const std::string& buttonCaption) {
  details_.commitImageDetails();
  core::FileDialogRequest request;
  request.startFolder = sourceFolder_;
  request.title = "Select images";
  request.filter = core::openFileFilter(host_.strings());
  request.nameFilters = core::dialogNameFilters(request.filter);
  request.mustExist = true;
  std::optional<std::vector<std::string>> chosen = host_.askFileNames(request);
  core::NonUtf8Names refused;
  if (chosen && chosen->size() == 1) {
    sourceFolder_ = folderOfPath(chosen->front());
    addOne(chosen->front(), refused);
  } else if (chosen && chosen->size() > 1) {
    sourceFolder_ = folderOfPath(chosen->front());
    host_.showBusyPanel(buttonCaption);
    addMany(
        *chosen, refused, [](std::size_t, const core::LoadedPreview&) { return true; }, [](bool) {});
    host_.hideBusyPanel();
  }
  refused.report(host_);
  refreshAfterAdding();
}

void ImageAdder::addFolderFromBrowser(const std::string& buttonCaption, bool withSubfolders) {
  details_.commitImageDetails();
  core::FolderDialogRequest request;
  request.title = host_.strings().loadMlString(176, "Please select folder with original images");
  request.startFolder = sourceFolder_;
  std::optional<std::string> folder = host_.askFolder(request);
  if (folder && !folder->empty()) {
    sourceFolder_ = *folder;
    host_.showBusyPanel(buttonCaption);
    addFolderImages(*folder, withSubfolders);
    host_.hideBusyPanel();
  }
  refreshAfterAdding();
}

void ImageAdder::addFolderImages(const std::string& folder, bool withSubfolders) {
  std::set<std::string> visited;
  core::NonUtf8Names refused;
  addFolderOnce(folder, withSubfolders, visited, refused);
  refused.report(host_);
}

void ImageAdder::addFolderOnce(const std::string& folder, bool withSubfolders, std::set<std::string>& visited,
                               core::NonUtf8Names& refused) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return;
  // A link back to a folder above would otherwise be searched without end.
  std::string canonical = std::filesystem::weakly_canonical(folder, error).string();
  if (!visited.insert(error ? folder : canonical).second) return;

  FolderEntries entries = listFolder(folder);
  const auto n = static_cast<int>(entries.files.size());
  if (n > 0) {
    host_.showProgress(0, n);
    host_.setMainWindowEnabled(false);
    std::vector<std::string> paths;
    for (const std::string& name : entries.files) paths.push_back(joinPath(folder, name));
    addMany(
        paths, refused,
        [&](std::size_t i, const core::LoadedPreview& preview) {
          host_.setProgress(static_cast<int>(i + 1));
          if (!preview.readable) return false;
          host_.setCaption(host_.strings().loadMlString(174, "Loading image: ") + entries.files[i]);
          return true;
        },
        // The caption, the bar and the new cell show at once, however many
        // files the folder holds; the window stays disabled meanwhile.
        [this](bool) { host_.processEvents(); });
    host_.hideProgress();
    host_.setMainWindowEnabled(true);
    host_.processEvents();
  }
  host_.restoreCaption();
  if (!withSubfolders) return;
  for (const std::string& subfolder : entries.subfolders)
    addFolderOnce(joinPath(folder, subfolder), true, visited, refused);
}

void ImageAdder::addDroppedFiles(const QList<QUrl>& urls) {
  details_.commitImageDetails();
  std::vector<std::string> paths = droppedLocalFiles(urls);
  host_.showProgress(0, static_cast<int>(paths.size()));
  host_.setMainWindowEnabled(false);
  int added = 0;
  for (std::string& path : paths) path = droppedPathInLowerCase(path);
  core::NonUtf8Names refused;
  addMany(
      paths, refused,
      [this](std::size_t k, const core::LoadedPreview&) {
        host_.setProgress(static_cast<int>(k + 1));
        return true;
      },
      [&added](bool wasAdded) { added += wasAdded ? 1 : 0; });
  host_.hideProgress();
  host_.setMainWindowEnabled(true);
  refused.report(host_);

  const i18n::StringService& strings = host_.strings();
  core::Message message;
  message.icon = core::MessageIcon::Information;
  message.title = std::string();
  if (added < 1) {
    message.text = strings.loadMlString(179, "No images added to the project!");
    host_.showMessage(message);
    return;
  }
  message.text =
      strings.loadMlString(177, "Added ") + std::to_string(added) + strings.loadMlString(178, " new images.");
  host_.showMessage(message);
  refreshAfterAdding();
}

}  // namespace velvara::app
