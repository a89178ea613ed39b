#include "platform/registry/StoreFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <optional>
#include <string>

#include "platform/files/TemporaryFile.h"
#include "platform/registry/StoreFormat.h"

namespace velvara::registry {

namespace {

long resultOf(int error) {
  return (error == EACCES || error == EPERM || error == EROFS) ? kErrorAccessDenied : kErrorIoFailed;
}

// An open descriptor, closed when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

 private:
  int fd_;
};

// Holds the exclusive lock on "<file>.lock" while it lives (released when the
// descriptor closes).
class Lock {
 public:
  explicit Lock(const std::filesystem::path& file)
      : fd_(::open((file.string() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (!fd_.valid()) {
      error_ = errno;
      return;
    }
    while (::flock(fd_.get(), LOCK_EX) != 0) {
      if (errno != EINTR) {
        error_ = errno;
        return;
      }
    }
  }
  // 0 when the lock is held, else the system's error number.
  int error() const { return error_; }

 private:
  Descriptor fd_;
  int error_ = 0;
};

// The file's bytes, or the error number that kept them from being read.
struct FileText {
  std::string text;
  int error = 0;
  bool missing = false;
};

FileText readWhole(const std::filesystem::path& file) {
  FileText result;
  Descriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) {
    result.missing = errno == ENOENT;
    result.error = result.missing ? 0 : errno;
    return result;
  }
  char buffer[65536];
  while (true) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got == 0) return result;
    if (got < 0) {
      if (errno == EINTR) continue;
      result.error = errno;
      return result;
    }
    result.text.append(buffer, static_cast<std::size_t>(got));
  }
}

std::string timestamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm parts{};
  localtime_r(&now, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &parts);
  return text;
}

// Gives the unreadable file a name of its own that no file has yet: linking
// refuses an existing name, so nothing is ever overwritten.
bool moveAside(const std::filesystem::path& file) {
  const std::string base = file.string() + ".unreadable-" + timestamp();
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const std::string target = attempt == 0 ? base : base + "-" + std::to_string(attempt);
    if (::link(file.c_str(), target.c_str()) == 0) return ::unlink(file.c_str()) == 0;
    if (errno != EEXIST) return false;
  }
  return false;
}

// Reads the tree. Under the lock an unparsable file is moved aside; without
// it the file is left alone and read as empty.
long load(const std::filesystem::path& file, Key& root, bool locked) {
  const FileText read = readWhole(file);
  if (read.error != 0) return resultOf(read.error);
  if (read.missing || read.text.empty()) {
    root = Key();
    return kSuccess;
  }
  if (std::optional<Key> parsed = parseStore(read.text)) {
    root = std::move(*parsed);
    return kSuccess;
  }
  if (locked && !moveAside(file)) return kErrorBadDb;
  root = Key();
  return kSuccess;
}

bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

// Writes the whole tree to a temporary file beside the store, flushes it to
// disk and renames it over the store.
long replace(const std::filesystem::path& file, const Key& root) {
  files::TemporaryFile temporary(file, 0600);
  if (temporary.error()) return resultOf(temporary.error().value());
  if (!writeAll(temporary.fd(), serializeStore(root)) || ::fsync(temporary.fd()) != 0) return resultOf(errno);
  if (const std::error_code error = temporary.close()) return resultOf(error.value());
  if (const std::error_code error = temporary.putInPlace()) return resultOf(error.value());
  Descriptor folder(::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid()) ::fsync(folder.get());
  return kSuccess;
}

}  // namespace

long StoreFile::read(const std::function<void(const Key& root)>& look) const {
  std::error_code ignored;
  if (!std::filesystem::exists(file_.parent_path(), ignored)) {
    look(Key());
    return kSuccess;
  }
  // Writers rename whole files into place, so a reader sees a whole file even
  // without the lock; a read-only configuration folder stays readable.
  Lock lock(file_);
  Key root;
  if (const long result = load(file_, root, lock.error() == 0); result != kSuccess) return result;
  look(root);
  return kSuccess;
}

long StoreFile::modify(const std::function<long(Key& root, bool& changed)>& change) const {
  std::error_code error;
  std::filesystem::create_directories(file_.parent_path(), error);
  if (error) return resultOf(error.value());
  Lock lock(file_);
  if (lock.error() != 0) return resultOf(lock.error());
  files::removeAbandonedTemporaries(file_);
  Key root;
  if (const long result = load(file_, root, true); result != kSuccess) return result;
  bool changed = false;
  if (const long result = change(root, changed); result != kSuccess || !changed) return result;
  return replace(file_, root);
}

}  // namespace velvara::registry
