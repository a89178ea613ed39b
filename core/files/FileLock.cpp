#include "core/files/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace velvara::core {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

}  // namespace

FileLock::FileLock(const std::string& path) : path_(path) {
  for (;;) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
      error_ = lastError();
      return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
      if (errno != EINTR) {
        error_ = lastError();
        ::close(fd_);
        fd_ = -1;
        return;
      }
    }
    // The holder before removed the file it locked: the lock on it guards
    // nothing any more, and the next copy locks the path's new file.
    struct stat locked {};
    struct stat named {};
    if (::fstat(fd_, &locked) == 0 && ::stat(path.c_str(), &named) == 0 && locked.st_dev == named.st_dev &&
        locked.st_ino == named.st_ino) {
      return;
    }
    ::close(fd_);
  }
}

FileLock::~FileLock() {
  if (fd_ < 0) return;
  ::unlink(path_.c_str());
  ::close(fd_);
}

}  // namespace velvara::core
