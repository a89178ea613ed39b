#pragma once
// The address whose answer tells the link checker that web addresses can be
// tested at all.
#include <string>

namespace velvara::linkcheck {

inline constexpr const char* kDefaultProbeUrl = "http://example.com";

// VELVARA_PROBE_URL without one trailing "/" when that is set and not empty,
// else kDefaultProbeUrl.
std::string probeAddress();

}  // namespace velvara::linkcheck
