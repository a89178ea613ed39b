#include "core/imaging/ReadableFormats.h"

#include <algorithm>

#include "platform/imagelib/Formats.h"

namespace velvara::core {

std::string trimFixed(const std::string& text) {
  std::string result;
  std::copy_if(text.begin(), text.end(), std::back_inserter(result), [](char c) { return c != '\0'; });
  auto first = result.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return result.substr(first, result.find_last_not_of(' ') - first + 1);
}

KeyedCollection<std::string> readableExtensions() {
  KeyedCollection<std::string> extensions;
  for (const imagelib::FormatInfo& format : imagelib::formats()) {
    if (!format.readable) continue;
    for (const std::string& entry : format.extensions) {
      std::string ext = foldKeyCase(trimFixed(entry));
      extensions.add(ext, ext);
    }
  }
  return extensions;
}

std::string openFileFilter(const i18n::StringService& strings) {
  std::string filter = strings.loadMlString(236);
  for (const imagelib::FormatInfo& format : imagelib::formats()) {
    if (!format.readable) continue;
    std::string patterns;
    for (const std::string& entry : format.extensions) {
      if (!patterns.empty()) patterns += ";";
      patterns += "*." + foldKeyCase(trimFixed(entry));
    }
    filter += "|" + trimFixed(format.description) + " (" + patterns + ")|" + patterns;
  }
  return filter;
}

}  // namespace velvara::core
