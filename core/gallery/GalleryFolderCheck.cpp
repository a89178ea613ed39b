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

// The file at path and, while the last is a symbolic link, the file it
// points to, down to the file itself: deleting any of them loses the file or
// the way to it. A link to nothing ends the chain, as there is nothing behind
// it to keep; so does a loop of links, after as many links as the system
// follows.
std::vector<fs::path> linkChain(const std::string& path) {
  constexpr std::size_t kMostLinks = 40;
  std::error_code code;
  std::vector<fs::path> chain{fs::absolute(path, code)};
  if (code) return {};
  while (chain.size() <= kMostLinks && fs::is_symlink(fs::symlink_status(chain.back(), code))) {
    const fs::path target = fs::read_symlink(chain.back(), code);
    if (code) break;
    // Left as spelt, so the system resolves a ".." in the target from the
    // folder the link really lies in.
    fs::path next = chain.back().parent_path() / target;
    if (!fs::exists(fs::symlink_status(next, code))) break;
    chain.push_back(std::move(next));
  }
  return chain;
}

// The file of the chain that lies directly in folder, if any: the first as
// the user gave it, a later one by its real folder.
std::optional<std::string> chainMemberIn(const std::string& path, const std::vector<fs::path>& chain,
                                         const std::string& folder) {
  for (std::size_t i = 0; i < chain.size(); ++i) {
    if (!sameFolder(chain[i].parent_path(), folder)) continue;
    if (i == 0) return path;
    std::error_code code;
    const fs::path realFolder = fs::canonical(chain[i].parent_path(), code);
    return code ? chain[i].string() : (realFolder / chain[i].filename()).string();
  }
  return std::nullopt;
}

// The program's own files, which no build may delete: the open project's
// file, and the data folder with the default settings and the remembered web
// addresses (and, without a cache folder, the lock over them).
std::optional<std::string> ownFileProblem(const std::string& projectFile, const std::vector<fs::path>& projectChain,
                                          const std::string& dataFolder, const std::string& emptied,
                                          const i18n::StringService& strings) {
  if (auto file = chainMemberIn(projectFile, projectChain, emptied)) {
    return strings.fillIn(i18n::added::kProjectFileInEmptiedFolder, {*file, emptied});
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
  // The files themselves count, not the paths they are reached by: a link
  // elsewhere may lead into a folder the build empties.
  const std::vector<fs::path> projectChain =
      project.projectFile.empty() ? std::vector<fs::path>{} : linkChain(project.projectFile);
  for (const auto& folder : folders.emptied) {
    const std::string path = below(destination, folder);
    if (auto problem = ownFileProblem(project.projectFile, projectChain, dataFolder, path, strings)) return problem;
  }
  for (const auto& used : filesUsed(project)) {
    const std::vector<fs::path> chain = linkChain(used);
    for (const auto& folder : folders.emptied) {
      const std::string path = below(destination, folder);
      if (auto file = chainMemberIn(used, chain, path)) {
        return strings.fillIn(i18n::added::kFileInEmptiedFolder, {*file, path});
      }
    }
  }
  return std::nullopt;
}

}  // namespace velvara::core
