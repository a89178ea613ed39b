#include "app/WindowLayout.h"

#include <algorithm>

namespace velvara::app {

namespace {

ScrollBarSetup barFor(int canvas, int visible, int cell) {
  ScrollBarSetup bar;
  if (canvas <= visible) return bar;
  bar.visible = true;
  bar.maximum = static_cast<std::int16_t>(canvas - visible);
  bar.largeChange = static_cast<std::int16_t>(cell);
  bar.smallChange = static_cast<std::int16_t>(cell / 2);
  return bar;
}

}  // namespace

int minimumOuterWidth(int descriptionWidth, int toolsWidth) { return toolsWidth + descriptionWidth + 25; }

Layout layoutWindow(const LayoutInput& in) {
  Layout out;
  // A client area smaller than the fixed parts (a minimised window has no
  // height at all) must not give any part a negative size.
  const auto nonNegative = [](int value) { return std::max(value, 0); };
  out.description = {5, in.clientHeight - in.descriptionHeight, in.descriptionWidth, in.descriptionHeight};
  out.tools = {out.description.left + out.description.width + 5, out.description.top, in.toolsWidth,
               in.descriptionHeight};
  const int stripHeight = nonNegative(in.clientHeight - in.descriptionHeight);
  out.vScroll = {in.clientWidth - in.vScrollWidth, 0, in.vScrollWidth, stripHeight};
  out.hScroll = {5, in.clientHeight - in.descriptionHeight - in.hScrollHeight,
                 nonNegative(in.clientWidth - in.vScrollWidth - 5), in.hScrollHeight};
  out.outer = {5, 0, nonNegative(in.clientWidth - in.vScrollWidth - 5),
               nonNegative(in.clientHeight - in.descriptionHeight - in.hScrollHeight)};
  out.canvas = {0, 0, in.canvasWidth, in.canvasHeight};
  if (!in.projectHasImages) {
    out.canvas.width = out.outer.width;
    out.canvas.height = out.outer.height;
  }
  out.vBar = barFor(out.canvas.height, out.outer.height, in.cellHeight);
  out.hBar = barFor(out.canvas.width, out.outer.width, in.cellWidth);
  out.progress = {out.outer.left + 2, out.outer.top + out.outer.height - in.progressHeight + 1,
                  nonNegative(out.outer.width - 2), in.progressHeight};
  return out;
}

}  // namespace velvara::app
