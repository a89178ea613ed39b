#include "widgets/numericbox/NumericBoxLayout.h"

namespace velvara::widgets {

NumericBoxLayout layOutNumericBox(double widthBeforeString, double widthValue, double widthAfterString,
                                  double boxHeight, double displayHeight, double fieldHeight, bool bordered) {
  const double top = (boxHeight - displayHeight) / 2 + 7;
  const double inset = bordered ? 30 : 0;
  NumericBoxLayout layout;
  layout.boxWidth = widthBeforeString + widthValue + widthAfterString + 120;
  layout.caption = {0, top, widthBeforeString, boxHeight - top};
  layout.frame = {widthBeforeString + 60, 0, widthValue, boxHeight};
  layout.field = {45, top - inset, widthValue - 2 * inset, fieldHeight};
  layout.display = {widthBeforeString + 60 + inset, top, 0, displayHeight};
  layout.unit = {widthBeforeString + widthValue + 120, top, widthAfterString, boxHeight - top};
  return layout;
}

}  // namespace velvara::widgets
