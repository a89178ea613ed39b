#pragma once
// Writing the gallery's generated files. Each file is written beside its place
// and renamed into it, so a link found there is replaced, never followed: no
// build writes outside the gallery folder. Every failure (a folder that
// vanished, no permission, a full disk) is thrown as a GalleryFileError naming
// the file.
#include <string>
#include <string_view>
#include <utility>

#include "core/gallery/GalleryFileError.h"

namespace velvara::core {

// A file made anew (an existing file or link is replaced) from the pieces
// written to it, all at once when it is closed. The bytes are written as
// given: callers make text lines pure ASCII.
class OutputFile {
 public:
  explicit OutputFile(std::string path) : path_(std::move(path)) {}

  void write(std::string_view bytes) { bytes_ += bytes; }
  // text followed by CR LF.
  void line(std::string_view text);
  // Puts the file in place; a failure to do so is thrown. A file destroyed
  // without close() (after an error elsewhere) leaves the place as it was.
  void close();

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string bytes_;
};

// Makes path anew holding exactly bytes.
void writeWholeFile(const std::string& path, std::string_view bytes);

// Makes path anew as a copy of the file source.
void copyWholeFile(const std::string& source, const std::string& path);

}  // namespace velvara::core
