#include "core/model/ProductInfo.h"

namespace velvara::core {

// The build defines VELVARA_HOME_PAGE and VELVARA_VERSION for this file alone.
const char* const kProgramVersion = "v." VELVARA_VERSION ".";

const char* productHomePage() { return VELVARA_HOME_PAGE; }

}  // namespace velvara::core
