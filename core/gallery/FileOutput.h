#pragma once
// Writing the gallery's generated files. Every failure (a folder that vanished,
// no permission, a full disk) is thrown as a GalleryFileError naming the file,
// also when it only shows when the file is closed.
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "core/gallery/GalleryFileError.h"

namespace velvara::core {

// A file created anew (an existing file is replaced) and written piece by
// piece. The bytes are written as given: callers make text lines pure ASCII.
class OutputFile {
 public:
  explicit OutputFile(std::string path);

  void write(std::string_view bytes);
  // text followed by CR LF.
  void line(std::string_view text);
  // Flushes and closes the file; a failure to do so is thrown. A file
  // destroyed without close() (after an error elsewhere) closes silently.
  void close();

  const std::string& path() const { return path_; }

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  std::string path_;
  std::unique_ptr<std::FILE, Closer> file_;
};

// Creates path anew holding exactly bytes.
void writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace velvara::core
