#include "core/gallery/FileOutput.h"

#include <cerrno>
#include <system_error>
#include <utility>

namespace velvara::core {

namespace {

[[noreturn]] void throwFromErrno(const std::string& path, int number) {
  if (number == 0) number = EIO;
  throw GalleryFileError(path, std::error_code(number, std::generic_category()));
}

}  // namespace

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
  errno = 0;
  file_.reset(std::fopen(path_.c_str(), "wb"));
  if (!file_) throwFromErrno(path_, errno);
}

void OutputFile::write(std::string_view bytes) {
  if (bytes.empty()) return;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) throwFromErrno(path_, errno);
}

void OutputFile::line(std::string_view text) {
  write(text);
  write("\r\n");
}

void OutputFile::close() {
  std::unique_ptr<std::FILE, Closer> file = std::move(file_);
  if (!file) return;
  errno = 0;
  if (std::fflush(file.get()) != 0) throwFromErrno(path_, errno);
  if (std::fclose(file.release()) != 0) throwFromErrno(path_, errno);
}

void writeWholeFile(const std::string& path, std::string_view bytes) {
  OutputFile file(path);
  file.write(bytes);
  file.close();
}

}  // namespace velvara::core
