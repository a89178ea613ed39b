#pragma once
// Where the numeric box places its parts, in twips (15 twips per pixel). The
// box is as wide as its three widths and two gaps; its height is the
// container's.
#include "widgets/design/Twips.h"

namespace velvara::widgets {

struct TwipsRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

struct NumericBoxLayout {
  double boxWidth = 0;
  TwipsRect caption;  // lblCaption
  TwipsRect frame;    // picValue
  TwipsRect field;    // txtValue, inside picValue
  TwipsRect display;  // lblValue: left and top only, its size is the display's
  TwipsRect unit;     // lblAfter: its width stays as designed
};

// boxHeight: the box's height; displayHeight: lblValue's height; fieldHeight:
// txtValue's height; bordered: picValue draws its one-line border.
NumericBoxLayout layOutNumericBox(double widthBeforeString, double widthValue, double widthAfterString,
                                  double boxHeight, double displayHeight, double fieldHeight, bool bordered);

}  // namespace velvara::widgets
