#include "widgets/slide/SlideLayout.h"

namespace velvara::widgets {

SlideLayout layOutSlide(double slideWidth, double slideHeight, double ratio) {
  if (ratio <= 1) return layOutSlide(slideWidth, slideHeight, slideWidth - 19, (slideWidth - 19) * ratio, ratio);
  return layOutSlide(slideWidth, slideHeight, (slideHeight - 19) / ratio, slideHeight - 19, ratio);
}

SlideLayout layOutSlide(double slideWidth, double slideHeight, double pictureWidth, double pictureHeight,
                        double ratio) {
  SlideLayout layout;
  layout.frame = {7, 7, slideWidth - 14, slideHeight - 14};
  if (ratio <= 1) {
    layout.picture = {9, (slideHeight - pictureHeight) / 2, pictureWidth, pictureHeight};
  } else {
    layout.picture = {(slideWidth - pictureWidth) / 2, 9, pictureWidth, pictureHeight};
  }
  return layout;
}

PixelRect placeholderRect(double slideWidth, double slideHeight) { return {12, 12, slideWidth - 26, slideHeight - 26}; }

}  // namespace velvara::widgets
