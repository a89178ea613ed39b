#pragma once
// A new file beside a file it is to replace, named as TemporaryNames says.
// Its writer holds an exclusive lock on it from its making until it is
// renamed into place or removed. A temporary that no one holds a lock on was
// therefore left by a writer that ended before it was done (killed, crashed,
// the machine switched off), and removeAbandonedTemporaries removes it.
#include <sys/types.h>

#include <filesystem>
#include <system_error>

namespace velvara::files {

class TemporaryFile {
 public:
  // Makes the file beside target with mode, less the umask.
  explicit TemporaryFile(std::filesystem::path target, mode_t mode = 0666);
  // Removes the file unless it was put in place.
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // Why the file could not be made; empty when it was.
  const std::error_code& error() const { return error_; }
  // The descriptor to write to; -1 once closed.
  int fd() const { return fd_; }
  const std::filesystem::path& path() const { return path_; }
  // Closes the descriptor written to, with the system's last word on the
  // writing; the lock stays until the file is put in place or removed.
  std::error_code close();
  // Renames the file over the target, which it then is.
  std::error_code putInPlace();

 private:
  std::filesystem::path target_;
  std::filesystem::path path_;
  int fd_ = -1;
  // A second descriptor of the same open file, which holds the lock after
  // the first is closed.
  int lockFd_ = -1;
  std::error_code error_;
};

// Removes the temporaries beside target that no writer holds.
void removeAbandonedTemporaries(const std::filesystem::path& target);

}  // namespace velvara::files
