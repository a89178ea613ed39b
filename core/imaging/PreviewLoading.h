#pragma once
// Loading the previews of a list of picture files on every core, handed back
// one by one in the list's order. This is what reloading all previews,
// adding a folder, adding several chosen or dropped files and the gallery
// build driver use. Adding (addLoadedImage is in AddImage.h):
//
//   loadPreviews(library, paths, 120, 120, true, [&](std::size_t i, LoadedPreview& preview) {
//     // progress, caption ... exactly as a loop over paths would do them
//     if (addLoadedImage(host, project, paths[i], std::move(preview))) showNewSlide();
//     host.processEvents();
//   });
//
// Reloading: the same over every image's sourcePath, with
// "if (preview.loaded()) project.images.setPreview(i, std::move(preview.bitmap));".
//
// The decoding runs in worker threads, ahead of the turn at which each file
// is handed over; everything the caller does happens in its own thread, in
// file order. Nothing but the time differs from loading the files one after
// the other with loadFitted or addImage.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/imaging/ImageLibrary.h"
#include "platform/imagelib/Bitmap.h"
#include "platform/imagelib/Status.h"

namespace velvara::core {

// One file's preview, or why there is none.
struct LoadedPreview {
  // The file's extension is one the library reads; else nothing was tried.
  bool readable = false;
  imagelib::Status status;
  imagelib::Bitmap bitmap;

  bool loaded() const { return readable && status.ok() && bitmap.hasData(); }
};

// The preview of path fitted into the box (keeping the proportions when
// keepAspect; a small picture is enlarged to the box). Safe in any thread;
// readable is taken as given.
LoadedPreview loadPreview(const std::string& path, double boxWidth, double boxHeight, bool keepAspect);

// Loads the previews of paths and calls deliver(i, preview) for i = 0, 1, ...
// in order, in the calling thread. The extensions are checked in the calling
// thread first (listing the readable ones when that has not happened yet).
// library.workerCount workers decode at once (one per core when 0).
void loadPreviews(ImageLibrary& library, const std::vector<std::string>& paths, double boxWidth, double boxHeight,
                  bool keepAspect, const std::function<void(std::size_t, LoadedPreview&)>& deliver);

}  // namespace velvara::core
