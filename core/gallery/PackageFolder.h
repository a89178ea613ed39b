#pragma once
// What both overlay-package writers do with the gallery folder: make folders,
// ask before emptying a folder that holds files, delete the files directly in
// a folder, report a failed step in the error box, and copy the embedded
// package files out.
#include <functional>
#include <string>
#include <string_view>

#include "core/gallery/GalleryFileError.h"
#include "core/host/Host.h"

namespace velvara::core {

// Whether folder holds at least one file directly in it; subfolders and the
// files inside them do not count. Throws GalleryFileError when the folder
// cannot be listed.
bool folderHoldsFiles(const std::string& folder);

// The Yes/No question about a gallery folder that is not empty. True only
// when the user answers Yes.
bool confirmNonEmptyFolder(Host& host, const std::string& folder);

// Creates folder when it does not exist: only its last level, so its parent
// must exist. Throws GalleryFileError otherwise.
void createFolderIfMissing(const std::string& folder);

// Deletes every file directly in folder, one by one; subfolders and their
// contents stay. Throws GalleryFileError on the first file that cannot go.
void deleteFilesIn(const std::string& folder);

// The error box of a failed package step: critical icon, OK button, titled
// with the folder the step handles, "Error number:" number CR LF
// "Error description:" description (in the current language).
void showPackageError(Host& host, const std::string& title, int number, const std::string& description);

// Runs step; when it throws, shows the error box titled title and answers
// False. True when the step ran through.
bool runPackageStep(Host& host, const std::string& title, const std::function<void()>& step);

// The first step of both package writers. Creates folder (the gallery folder)
// when it is missing; else, with clearFolder and files directly in it, asks
// first and on Yes deletes those files. False when the user answers anything
// but Yes (no message, nothing changed) or when the step fails (after the
// error box titled folder).
bool prepareGalleryFolder(Host& host, const std::string& folder, bool clearFolder);

// Writes the binary asset name of group as path, byte for byte, only when
// nothing exists at path yet: an existing file is never replaced. Throws
// GalleryFileError when the asset is missing or the file cannot be written.
void writeBinaryAssetIfMissing(std::string_view group, std::string_view name, const std::string& path);

// Rewrites path from the text asset name of group with the zero bytes that pad
// its end cut. An asset with no content after its first byte is reported
// ("Error writing file:" & path, no icon, default title) and path stays
// deleted. Throws GalleryFileError when the asset is missing or the file
// cannot be deleted or written.
void writeTextAsset(Host& host, std::string_view group, std::string_view name, const std::string& path);

// The second half of writeTextAsset, once path is gone: writes text without
// the zero bytes that pad its end as a new file at path, or reports it
// ("Error writing file:" & path) when nothing but its first byte is left.
void writePaddedText(Host& host, std::string_view text, const std::string& path);

}  // namespace velvara::core
