#pragma once
// The colour dialog: red, green and blue sliders with their hexadecimal
// values, a sample, black and white swatches, and buttons that open the
// platform's colour dialog and the web palette. One instance serves the
// whole run and keeps the working colour between showings; each showing
// builds its window anew.
#include <cstdint>
#include <string>

#include "core/host/Prompts.h"
#include "i18n/StringService.h"
#include "widgets/colors/frmWebColors.h"

namespace velvara::widgets {

class frmHexaColor {
 public:
  frmHexaColor(i18n::StringService& strings, core::Prompts& prompts)
      : strings_(strings), prompts_(prompts), webColors_(strings) {}

  // Shows the dialog modally at (X, Y) (screen position in twips) with
  // sTitle as its caption, starting from colorRGB (red + 256 * green +
  // 65536 * blue). True after OK, with colorRGB set to the chosen colour;
  // Cancel and the close box give false and leave colorRGB as it was.
  bool bDoModal(const std::string& sTitle, std::uint32_t& colorRGB, std::int32_t X, std::int32_t Y);

  // The working colour as the dialog last held it.
  std::uint32_t workingColor() const { return red_ + 256u * green_ + 65536u * blue_; }

 private:
  friend class HexaColorWindow;

  i18n::StringService& strings_;
  core::Prompts& prompts_;
  frmWebColors webColors_;
  std::uint32_t red_ = 0;
  std::uint32_t green_ = 0;
  std::uint32_t blue_ = 0;
};

}  // namespace velvara::widgets
