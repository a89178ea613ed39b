#include "core/files/FileAccess.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/host/Host.h"
#include "platform/files/TemporaryFile.h"

namespace velvara::core {
namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::error_code writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return lastError();
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

// A link is followed so that the file it points to is replaced, not the link.
std::string resolveTarget(const std::string& path) {
  std::error_code ignored;
  if (!std::filesystem::is_symlink(path, ignored)) return path;
  auto target = std::filesystem::weakly_canonical(path, ignored);
  return ignored ? path : target.string();
}

// Makes a new file beside path, lets write fill it, and renames it over the
// file (or the link) at path.
std::error_code replaceFile(const std::string& path, LinkAtPath link,
                            const std::function<std::error_code(int fd)>& write) {
  const std::string target = link == LinkAtPath::ReplaceTarget ? resolveTarget(path) : path;
  struct stat existing {};
  const bool exists = ::lstat(target.c_str(), &existing) == 0;
  const bool regular = exists && S_ISREG(existing.st_mode);
  // Renaming over a file would replace it even when it is read-only; a file
  // the user protected is refused as writing into it would be. A link that
  // is replaced keeps nothing of what it points to.
  if (regular && ::access(target.c_str(), W_OK) != 0) return lastError();
  // Made as any new file would be (the umask applies).
  files::TemporaryFile temp(target);
  if (temp.error()) return temp.error();
  if (regular && ::fchmod(temp.fd(), existing.st_mode & 07777) != 0) return lastError();

  if (auto error = write(temp.fd())) return error;
  if (::fsync(temp.fd()) != 0) return lastError();
  if (auto error = temp.close()) return error;
  return temp.putInPlace();
}

}  // namespace

std::vector<std::uint8_t> readWholeFile(const std::string& path, std::error_code& error) {
  error.clear();
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    error = lastError();
    return {};
  }
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  for (;;) {
    std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (got < sizeof chunk) break;
  }
  if (std::ferror(file.get())) {
    error = lastError();
    return {};
  }
  return bytes;
}

std::error_code replaceFileAtomically(const std::string& path, std::string_view bytes, LinkAtPath link) {
  return replaceFile(path, link, [bytes](int fd) { return writeAll(fd, bytes); });
}

std::error_code copyFileAtomically(const std::string& source, const std::string& path) {
  FilePtr input(std::fopen(source.c_str(), "rb"));
  if (!input) return lastError();
  return replaceFile(path, LinkAtPath::ReplaceLink, [&input](int fd) -> std::error_code {
    char chunk[65536];
    for (;;) {
      const std::size_t got = std::fread(chunk, 1, sizeof chunk, input.get());
      if (auto error = writeAll(fd, std::string_view(chunk, got))) return error;
      if (got < sizeof chunk) return std::ferror(input.get()) ? lastError() : std::error_code();
    }
  });
}

void removeLeftoversOfReplacing(const std::string& path) { files::removeAbandonedTemporaries(resolveTarget(path)); }

void reportFileError(Host& host, const std::string& path, const std::error_code& error) {
  host.showMessage({MessageIcon::Critical, MessageButtons::Ok, path, error.message()});
}

}  // namespace velvara::core
