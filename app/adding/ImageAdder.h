#pragma once
// The three ways the main window puts image files into the project: the add
// dialog with several files at once, a folder (with its subfolders when
// asked), and files dropped onto the strip. Each file goes through the
// core's addImage, which refuses unreadable files and duplicates; new images
// go to the end of the list in the order they are offered. Files whose paths
// a project cannot keep are refused, and named in one message per adding.
#include <QList>
#include <QObject>
#include <QUrl>
#include <functional>
#include <set>
#include <string>

#include "app/strip/ImageDetails.h"
#include "app/strip/ThumbnailStrip.h"
#include "core/imaging/NonUtf8Names.h"
#include "core/imaging/PreviewLoading.h"

namespace velvara::app {

class ImageAdder : public QObject {
  Q_OBJECT

 public:
  // sourceFolder is where the dialog and the folder browser start; each
  // choice replaces it. Drops on the strip are added from here on.
  ImageAdder(core::Host& host, core::Project& project, core::ImageLibrary& library, ThumbnailStrip& strip,
             ImageDetails& details, std::string& sourceFolder, QObject* parent = nullptr);

  // The window's enabling rule for the commands that need images, "Save
  // Project As..." among them: whichever way images came, the user can save
  // them.
  void setImageCommandsRule(std::function<void()> rule) { imageCommandsRule_ = std::move(rule); }
  // The box previews are fitted into.
  void setPreviewBox(std::int32_t width, std::int32_t height);

  // "Add image...": buttonCaption is the busy panel's text.
  void addImagesFromDialog(const std::string& buttonCaption);
  // "Add folder...".
  void addFolderFromBrowser(const std::string& buttonCaption, bool withSubfolders);
  // The readable files of folder, then those of each subfolder in turn.
  void addFolderImages(const std::string& folder, bool withSubfolders);
  // Files dropped from a file manager; reports how many were added.
  void addDroppedFiles(const QList<QUrl>& urls);

 private:
  bool addOne(const std::string& path, core::NonUtf8Names& refused);
  // Adds paths in their order; before(i, preview) runs first for each and
  // says whether to add it, after(added) once it was tried.
  void addMany(const std::vector<std::string>& paths, core::NonUtf8Names& refused,
               const std::function<bool(std::size_t, const core::LoadedPreview&)>& before,
               const std::function<void(bool)>& after);
  void addFolderOnce(const std::string& folder, bool withSubfolders, std::set<std::string>& visited,
                     core::NonUtf8Names& refused);
  void refreshAfterAdding();

  core::Host& host_;
  core::Project& project_;
  core::ImageLibrary& library_;
  ThumbnailStrip& strip_;
  ImageDetails& details_;
  std::string& sourceFolder_;
  std::function<void()> imageCommandsRule_;
  std::int32_t boxWidth_ = 120;
  std::int32_t boxHeight_ = 120;
};

}  // namespace velvara::app
