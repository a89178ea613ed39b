#pragma once
// A project keeps each image's path as text, and its file holds texts as
// Windows-1252 or UTF-8: a path that is not valid UTF-8 text (the Latin-1
// byte of "café" from an old disk or archive) would be read back as another
// name, naming no file, so the image would be missing after the project is
// opened again and the gallery's link to it would fail. Such files are
// refused when they are added, and all that one adding refused are named in
// one message.
#include <string>
#include <vector>

namespace velvara::core {

class Host;

class NonUtf8Names {
 public:
  // True for a path that is not valid UTF-8 text, which is then noted for
  // the message; false for one a project can keep.
  bool refuse(const std::string& path);

  // One message naming the refused paths (the first ten, then how many
  // more), each invalid byte shown as U+FFFD; none when nothing was refused.
  void report(Host& host) const;

 private:
  std::vector<std::string> refused_;
};

}  // namespace velvara::core
