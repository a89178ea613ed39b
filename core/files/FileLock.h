#pragma once
// An exclusive lock that running copies of the program take in turn before
// they read, merge and replace a shared file, so that none of them replaces
// the file with contents that miss another copy's change.
#include <string>
#include <system_error>

namespace velvara::core {

// Holds the lock on the lock file path (made when missing) while it lives;
// waits as long as another process holds it. The lock ends with the object,
// which removes the lock file while it still holds it, or with the process.
// A copy that was waiting on a removed file takes the lock on the path's new
// file instead, so the lock file is never left behind by a finished save and
// two copies never hold the lock at once.
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Why the lock could not be taken; empty while it is held.
  const std::error_code& error() const { return error_; }

 private:
  std::string path_;
  int fd_ = -1;
  std::error_code error_;
};

}  // namespace velvara::core
