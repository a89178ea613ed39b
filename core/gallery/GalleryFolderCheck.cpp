#include "core/gallery/GalleryFolderCheck.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "core/gallery/GalleryPages.h"
#include "core/helpers/Paths.h"
#include "core/helpers/Urls.h"
#include "i18n/AddedStrings.h"
#include "i18n/StringService.h"

namespace velvara::core {

namespace fs = std::filesystem;

namespace {

struct BuildFolders {
  // Below the destination: made when missing, then written into.
  std::vector<std::string> written;
  // Of these (the destination itself included), the files directly inside
  // are deleted.
  std::vector<std::string> emptied;
};

BuildFolders buildFolders(const GallerySettings& settings, bool htmlOnly) {
  const bool shadowbox = settings.galleryStyle == static_cast<std::int16_t>(GalleryStyle::Shadowbox);
  const bool lightboxPackage = settings.galleryStyle == static_cast<std::int16_t>(GalleryStyle::Lightbox) ||
                               settings.galleryStyle == static_cast<std::int16_t>(GalleryStyle::Simple);
  BuildFolders folders;
  folders.written = {"library"};
  if (lightboxPackage) {
    folders.written.push_back("images");
    if (!htmlOnly) folders.emptied = {"", "images"};
  }
  if (shadowbox) {
    for (const char* folder : {"src", "src/adapter", "src/lang", "src/player", "src/skin", "src/skin/classic",
                               "src/skin/classic/icons", "gallery"}) {
      folders.written.push_back(folder);
    }
    folders.emptied = {""};
    if (!htmlOnly) folders.emptied.push_back("gallery");
  }
  if (!htmlOnly) {
    for (const char* folder : {"thumbs", "photos"}) {
      folders.written.push_back(folder);
      folders.emptied.push_back(folder);
    }
  }
  return folders;
}

std::string below(const std::string& destination, const std::string& folder) {
  return folder.empty() ? destination : destination + "/" + folder;
}

// The files the build reads, or that its pages link to, on this computer.
std::vector<std::string> filesUsed(const Project& project) {
  const GallerySettings& settings = project.settings;
  std::vector<std::string> files;
  for (const std::string* image : {&settings.pageBackImage, &settings.cellBackImage}) {
    if (!image->empty()) files.push_back(*image);
  }
  for (const ImageItem& image : project.images.items()) {
    files.push_back(image.sourcePath);
    const std::string link =
        substituteLink(cellArgumentsFor(settings, image).link, getFileName(image.sourcePath, true));
    if (!link.empty() && !isHttpUrl(link) && pathExists(link)) files.push_back(link);
  }
  return files;
}

bool sameFolder(const fs::path& one, const std::string& other) {
  std::error_code code;
  return fs::equivalent(one, other, code) && !code;
}

bool liesDirectlyIn(const std::string& file, const std::string& folder) {
  std::error_code code;
  const fs::path parent = fs::absolute(file, code).parent_path();
  return !code && sameFolder(parent, folder);
}

// The program's own files, which no build may delete: the open project's
// file, and the data folder with the default settings and the remembered web
// addresses (and, without a cache folder, the lock over them).
std::optional<std::string> ownFileProblem(const Project& project, const std::string& dataFolder,
                                          const std::string& emptied, const i18n::StringService& strings) {
  if (!project.projectFile.empty() && liesDirectlyIn(project.projectFile, emptied)) {
    return strings.fillIn(i18n::added::kProjectFileInEmptiedFolder, {project.projectFile, emptied});
  }
  if (!dataFolder.empty() && sameFolder(dataFolder, emptied)) {
    return strings.fillIn(i18n::added::kDataFolderEmptied, {emptied});
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> galleryFolderProblem(const Project& project, const std::string& dataFolder, bool htmlOnly,
                                                const i18n::StringService& strings) {
  const std::string& destination = project.settings.destFolder;
  const BuildFolders folders = buildFolders(project.settings, htmlOnly);
  for (const auto& folder : folders.written) {
    const std::string path = below(destination, folder);
    std::error_code code;
    if (fs::is_symlink(fs::symlink_status(path, code))) {
      return strings.fillIn(i18n::added::kFolderIsLink, {path});
    }
  }
  for (const auto& folder : folders.emptied) {
    if (auto problem = ownFileProblem(project, dataFolder, below(destination, folder), strings)) return problem;
  }
  for (const auto& file : filesUsed(project)) {
    for (const auto& folder : folders.emptied) {
      const std::string path = below(destination, folder);
      if (liesDirectlyIn(file, path)) {
        return strings.fillIn(i18n::added::kFileInEmptiedFolder, {file, path});
      }
    }
  }
  return std::nullopt;
}

}  // namespace velvara::core
