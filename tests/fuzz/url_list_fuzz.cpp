// Any bytes given to the urls.txt reader: never a crash, and the addresses it
// remembers are written and read back unchanged.
#include <algorithm>
#include <cstdlib>

#include "core/files/UrlListFormat.h"

using namespace velvara::core;

namespace {

KeyedCollection<std::string> remember(const std::vector<std::string>& urls) {
  KeyedCollection<std::string> history;
  for (const auto& url : urls) rememberUrl(history, url);
  return history;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto history = remember(parseUrlList({reinterpret_cast<const char*>(data), size}));
  auto again = remember(parseUrlList(formatUrlList(history)));
  if (!std::equal(history.begin(), history.end(), again.begin(), again.end())) std::abort();
  return 0;
}
