#include "core/gallery/FileOutput.h"

#include "core/files/FileAccess.h"

namespace velvara::core {

void OutputFile::line(std::string_view text) {
  write(text);
  write("\r\n");
}

void OutputFile::close() { writeWholeFile(path_, bytes_); }

void writeWholeFile(const std::string& path, std::string_view bytes) {
  if (auto error = replaceFileAtomically(path, bytes, LinkAtPath::ReplaceLink)) throw GalleryFileError(path, error);
}

void copyWholeFile(const std::string& source, const std::string& path) {
  if (auto error = copyFileAtomically(source, path)) throw GalleryFileError(path, error);
}

}  // namespace velvara::core
