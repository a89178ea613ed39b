#pragma once
// The main window's own state that the strip, the selection and the edit
// panel share, all set when the window loads.
#include <cstdint>

namespace velvara::app {

struct MainState {
  // Pictures per row of the thumbnail strip, shown in usPicInRow.
  std::int32_t picInRow = 4;
  // Lowest and highest selected strip index, -1 when nothing is selected.
  std::int32_t firstSelected = -1;
  std::int32_t lastSelected = -1;
  // The box every preview bitmap is fitted into.
  std::int32_t previewBoxWidth = 120;
  std::int32_t previewBoxHeight = 120;
  // The pitch of the strip's cell grid, in pixels.
  std::int32_t stripCellWidth = 140;
  std::int32_t stripCellHeight = 140;
};

}  // namespace velvara::app
