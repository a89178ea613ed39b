#pragma once
// The designed values of the settings dialog's sixteen numeric boxes: range,
// spinner step, number shown before the first setValues, captions and widths.
#include "widgets/design/PropertyBag.h"

namespace velvara::settings {

const widgets::FormDesign& settingsFormDesign();

}  // namespace velvara::settings
