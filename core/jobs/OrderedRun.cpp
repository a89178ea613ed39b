#include "core/jobs/OrderedRun.h"

namespace velvara::core {

int workersForThisMachine() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

}  // namespace velvara::core
