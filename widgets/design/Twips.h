#pragma once
// Twips, the unit the forms are designed in: 15 twips per pixel.
#include <QFontMetrics>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace velvara::widgets {

inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// The forms were designed for a small font and narrow button margins: about
// 4.8 pixels of a caption's width per character. With wider characters every
// designed length grows in proportion, so that captions still fit.
inline double designScale(const QFontMetrics& metrics) { return std::max(1.0, metrics.averageCharWidth() / 4.8); }

// A designed place (left, top, width, height in twips) in whole pixels.
inline QRect twipsRect(double left, double top, double width, double height, double scale = 1.0) {
  return {twipsToPixels(left * scale), twipsToPixels(top * scale), twipsToPixels(width * scale),
          twipsToPixels(height * scale)};
}

}  // namespace velvara::widgets
