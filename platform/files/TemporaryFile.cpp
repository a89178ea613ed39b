#include "platform/files/TemporaryFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

#include "platform/files/TemporaryNames.h"

namespace velvara::files {
namespace {

namespace fs = std::filesystem;

std::error_code lastError() { return {errno, std::generic_category()}; }

fs::path folderOf(const fs::path& target) { return target.has_parent_path() ? target.parent_path() : fs::path("."); }

// The longest name the folder holds, in bytes.
std::size_t longestName(const fs::path& folder) {
  const long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  return longest > 0 ? static_cast<std::size_t>(longest) : 255;
}

std::string randomTag() {
  static constexpr char kCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kCharacters - 2);
  std::string tag(kTemporaryTagLength, ' ');
  for (char& c : tag) c = kCharacters[pick(generator)];
  return tag;
}

// Takes the lock on fd (waiting for it unless operation says LOCK_NB). False
// where the file system has no locks: such a file is never taken for an
// abandoned one either.
bool takeLock(int fd, int operation) {
  while (::flock(fd, operation) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

bool isStillAt(int fd, const fs::path& path) {
  struct stat opened {};
  struct stat named {};
  return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

// Removes path when it is a file no one holds the lock on.
void removeIfAbandoned(const fs::path& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct stat opened {};
  if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && takeLock(fd, LOCK_EX | LOCK_NB) && isStillAt(fd, path)) {
    ::unlink(path.c_str());
  }
  ::close(fd);
}

}  // namespace

TemporaryFile::TemporaryFile(fs::path target, mode_t mode) : target_(std::move(target)) {
  const fs::path folder = folderOf(target_);
  const std::string prefix = temporaryNamePrefix(target_.filename().string(), longestName(folder));
  int failure = EEXIST;
  for (int attempt = 0; attempt < 100 && failure == EEXIST; ++attempt) {
    const fs::path path = folder / (prefix + randomTag());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) {
      failure = errno;
      continue;
    }
    takeLock(fd, LOCK_EX);
    // Between its making and its locking, a file is open to be taken for an
    // abandoned one and removed: then another name is tried.
    if (isStillAt(fd, path)) {
      fd_ = fd;
      lockFd_ = ::dup(fd);
      path_ = path;
      return;
    }
    ::close(fd);
  }
  error_ = {failure, std::generic_category()};
}

TemporaryFile::~TemporaryFile() {
  if (!path_.empty()) ::unlink(path_.c_str());
  if (fd_ >= 0) ::close(fd_);
  if (lockFd_ >= 0) ::close(lockFd_);
}

std::error_code TemporaryFile::close() {
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0 ? std::error_code() : lastError();
}

std::error_code TemporaryFile::putInPlace() {
  if (::rename(path_.c_str(), target_.c_str()) != 0) return lastError();
  path_.clear();
  return {};
}

void removeAbandonedTemporaries(const fs::path& target) {
  const fs::path folder = folderOf(target);
  const std::string name = target.filename().string();
  const std::size_t longest = longestName(folder);
  std::error_code error;
  fs::directory_iterator entry(folder, error);
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    if (isTemporaryNameOf(entry->path().filename().string(), name, longest)) removeIfAbandoned(entry->path());
  }
}

}  // namespace velvara::files
