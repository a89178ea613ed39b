#include "core/jobs/OrderedRun.h"

#include <cstdlib>
#include <string>

namespace velvara::core {

int workersForThisMachine() {
  // A run can be told its pool's size, so that the one-worker path and the
  // many-worker path can each be tried on the same machine.
  if (const char* asked = std::getenv("VELVARA_WORKERS")) {
    char* end = nullptr;
    const long workers = std::strtol(asked, &end, 10);
    if (end != asked && *end == '\0' && workers >= 1 && workers <= 256) return static_cast<int>(workers);
  }
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

}  // namespace velvara::core
