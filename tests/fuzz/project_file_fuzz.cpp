// Any bytes given to the project reader (both formats): never a crash, and a
// project it accepts is written in the current format and read back
// unchanged.
#include <cstdlib>

#include "core/files/BinaryWriter.h"
#include "core/files/ProjectFileFormat.h"

using namespace velvara::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto project = parseProjectFile({data, size});
  if (!project) return 0;
  try {
    std::string again = serializeProjectFile(project->settings, project->images);
    auto reread = parseProjectFile({reinterpret_cast<const std::uint8_t*>(again.data()), again.size()});
    if (!reread || reread->oldFormat || !(reread->settings == project->settings) ||
        !(reread->images == project->images)) {
      std::abort();
    }
  } catch (const TextTooLong&) {
  }
  return 0;
}
