#include "linkcheck/ProbeAddress.h"

#include <cstdlib>

namespace velvara::linkcheck {

std::string probeAddress() {
  const char* configured = std::getenv("VELVARA_PROBE_URL");
  if (!configured || !*configured) return kDefaultProbeUrl;
  // The check compares the address asked with the one the browser shows
  // without its trailing "/": an address given with one never matched, and
  // every web link stayed unverified.
  std::string address(configured);
  if (address.ends_with('/')) address.pop_back();
  return address;
}

}  // namespace velvara::linkcheck
