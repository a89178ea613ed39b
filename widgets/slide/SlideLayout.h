#pragma once
// Where a thumbnail cell places its picture and its selection frame, in
// pixels with fractions kept: the picture takes the cell's width (landscape
// and square) or height (portrait) less 19 pixels, starts 9 pixels from that
// side, is centred the other way, and lies inside a frame inset by 7 pixels.
namespace velvara::widgets {

struct PixelRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

struct SlideLayout {
  PixelRect picture;
  PixelRect frame;
};

// ratio: the picture's height divided by its width, 0 not allowed here (the
// cell reads 0 as 1). autoSize: the picture keeps its own size
// (pictureWidth x pictureHeight) and is only centred.
SlideLayout layOutSlide(double slideWidth, double slideHeight, double ratio);
SlideLayout layOutSlide(double slideWidth, double slideHeight, double pictureWidth, double pictureHeight, double ratio);

// The picture box of a cell that shows the placeholder: 12 pixels in from
// every side.
PixelRect placeholderRect(double slideWidth, double slideHeight);

}  // namespace velvara::widgets
