#pragma once
// Reading a whole file and replacing a file atomically. Failures come back as
// the system's error code, never as an exception, so every caller can report
// the path and the reason.
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace velvara::core {

class Host;

// The file's bytes; an error code when it cannot be opened or read.
std::vector<std::uint8_t> readWholeFile(const std::string& path, std::error_code& error);

// What replacing a file does when path is a symbolic link.
enum class LinkAtPath {
  // The file the link points to is replaced and the link stays: a project
  // or settings file the user keeps behind a link.
  ReplaceTarget,
  // The link itself is replaced by the new file and what it points to stays
  // untouched: the files a gallery build writes, which must never reach out
  // of the gallery folder.
  ReplaceLink,
};

// Writes bytes into a new file beside path and renames it over path, so the
// previous file stays whole when anything fails on the way. An existing
// file's permissions are kept; one that may not be written is refused.
std::error_code replaceFileAtomically(const std::string& path, std::string_view bytes,
                                      LinkAtPath link = LinkAtPath::ReplaceTarget);

// replaceFileAtomically with the bytes of the file source, read piece by
// piece; a link at path is replaced, never followed.
std::error_code copyFileAtomically(const std::string& source, const std::string& path);

// Removes what replacing path (as replaceFileAtomically replaces it, the file
// a link points to) left beside it when the program ended before it was done:
// the new files that no running copy of the program is writing any more.
void removeLeftoversOfReplacing(const std::string& path);

// The message for a file that cannot be read or written: critical, OK, titled
// with the path, the system's reason as its text.
void reportFileError(Host& host, const std::string& path, const std::error_code& error);

}  // namespace velvara::core
