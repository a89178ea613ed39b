#pragma once
// The picture formats the library knows, in a fixed order. Only picture
// formats are listed: loaders for data and document formats are never used.
#include <string>
#include <vector>

namespace velvara::imagelib {

struct FormatInfo {
  std::string name;         // short name, e.g. "jpeg"
  std::string description;  // e.g. "JPEG"
  std::vector<std::string> extensions;
  bool readable = false;  // a decoder for it is present
  bool writable = false;
};

std::vector<FormatInfo> formats();

// The index of the format called name in formats(); -1 when none is.
int formatIndexByName(const std::string& name);

}  // namespace velvara::imagelib
