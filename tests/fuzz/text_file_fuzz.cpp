// Any bytes given to the text exchange reader: never a crash, and the images
// it finds are exported and imported again unchanged.
#include <cstdlib>

#include "core/files/TextExchangeFormat.h"

using namespace velvara::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto images = parseTextExchange({reinterpret_cast<const char*>(data), size});
  auto again = parseTextExchange(formatTextExchange(images));
  if (again != images) std::abort();
  return 0;
}
