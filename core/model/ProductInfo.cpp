#include "core/model/ProductInfo.h"

namespace velvara::core {

// The build defines VELVARA_HOME_PAGE for this file alone.
const char* productHomePage() { return VELVARA_HOME_PAGE; }

}  // namespace velvara::core
