// Any bytes given to the settings reader: never a crash, and a record it
// accepts is written and read back unchanged.
#include <cstdlib>

#include "core/files/BinaryWriter.h"
#include "core/files/SettingsFileFormat.h"

using namespace velvara::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto settings = parseSettingsFile({data, size});
  if (!settings) return 0;
  try {
    std::string again = serializeSettingsFile(*settings);
    auto reread = parseSettingsFile({reinterpret_cast<const std::uint8_t*>(again.data()), again.size()});
    if (!reread || !(*reread == *settings)) std::abort();
  } catch (const TextTooLong&) {
  }
  return 0;
}
