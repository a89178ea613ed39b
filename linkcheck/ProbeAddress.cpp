#include "linkcheck/ProbeAddress.h"

#include <cstdlib>

namespace velvara::linkcheck {

std::string probeAddress() {
  const char* configured = std::getenv("VELVARA_PROBE_URL");
  return configured && *configured ? std::string(configured) : std::string(kDefaultProbeUrl);
}

}  // namespace velvara::linkcheck
