#pragma once
// The web palette dialog: the 216 web-safe colours as a grid of cells; a
// click shows a cell's colour in the sample, OK takes it. One instance serves
// the whole run; each showing builds its window anew.
#include <cstdint>
#include <string>

#include "i18n/StringService.h"

namespace velvara::widgets {

class frmWebColors {
 public:
  explicit frmWebColors(i18n::StringService& strings) : strings_(strings) {}

  // Shows the palette modally with sTitle as its caption. True when OK was
  // pressed: color_rv is then the sample's colour (black when no cell was
  // clicked). Cancel and the close box give false and leave color_rv as it is.
  bool bChooseColor(const std::string& sTitle, std::uint32_t& color_rv);

 private:
  i18n::StringService& strings_;
};

}  // namespace velvara::widgets
