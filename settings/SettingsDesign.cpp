#include "settings/SettingsDesign.h"

#include <string>

namespace velvara::settings {
namespace {

// Widths in twips (15 per pixel).
constexpr double kNarrowCaption = 225;  // the "x" between the two numbers of a size
constexpr double kCaption = 1350;
constexpr double kValue = 900;
constexpr double kUnit = 300;

// Every box of the dialog holds a 16-bit whole number and shows its spinner.
widgets::PropertyBag box(double min, double max, double step, double value, const std::string& caption,
                         double captionWidth = kCaption, const std::string& unit = "px", double unitWidth = kUnit,
                         std::int32_t captionAlign = 0) {
  return {{"NumericType", std::int32_t{1}},
          {"UpDownVisible", true},
          {"Min", min},
          {"Max", max},
          {"UpDownInc", step},
          {"Value", value},
          {"BeforeString", caption},
          {"BeforeStringAlign", captionAlign},
          {"WidthBeforeString", captionWidth},
          {"WidthValue", kValue},
          {"AfterString", unit},
          {"WidthAfterString", unitWidth}};
}

}  // namespace

const widgets::FormDesign& settingsFormDesign() {
  static const widgets::FormDesign design{
      {"usColumns", box(0, 20, 1, 3, "Columns", 1050, "px", 0)},
      {"usRows", box(1, 1000, 1, 100, "Rows", 1050, "px", 0)},
      {"usSlideSize_0", box(0, 1000, 10, 250, "Size")},
      {"usSlideSize_1", box(0, 1000, 10, 160, "x", kNarrowCaption)},
      {"usSlide_border_width", box(0, 25, 1, 1, "Border width")},
      {"usSlide_cell_spacing", box(0, 100, 1, 10, "Spacing")},
      {"usSlide_cell_padding", box(0, 100, 1, 5, "Paddign")},
      {"usImageSize_0", box(0, 2000, 10, 1000, "Image size")},
      {"usImageSize_1", box(0, 2000, 10, 500, "x ", kNarrowCaption)},
      {"usQuality", box(10, 100, 10, 90, "Resized image quality", 3300, "%")},
      {"usImgSize_0", box(0, 1000, 10, 240, "Image size")},
      {"usImgSize_1", box(0, 1000, 10, 120, "x  ", kNarrowCaption)},
      {"usNumBorderWidth", box(0, 25, 1, 1, "Border width")},
      {"usImg_font_size", box(6, 26, 1, 10, "Size", 900)},
      {"usWebTitle_font_size", box(6, 56, 1, 26, "  size", 900)},
      {"usImageDataContainer_size", box(6, 26, 1, 10, "Size", 900, "px", kUnit, 2)},
  };
  return design;
}

}  // namespace velvara::settings
