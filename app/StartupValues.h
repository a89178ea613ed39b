#pragma once
// How the values stored in the "settings" section and the command line are
// read at start-up. No Qt: these are the rules, the window applies them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velvara::app {

// 15 twips per pixel: the window's outer size and position are stored in
// twips.
inline constexpr int kTwipsPerPixel = 15;

// The number that text begins with (blanks before it allowed, a sign, digits,
// a fraction and an exponent), 0 when it begins with none.
double leadingNumber(const std::string& text);

// The text as a whole number, rounded to the nearest with a half going to the
// even neighbour; nothing when the text is no number or the number does not
// fit 32 bits. A stored placement value that gives nothing is not applied.
std::optional<std::int32_t> wholeNumberOf(const std::string& text);

// The area of all screens together, in pixels.
struct ScreenArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Which stored placement values are applied: a width or height that is not 0,
// a left or top edge that is 0 or more, each only where the screens can show
// it (a size no larger than their area, an edge short of its far side).
// Values are in twips.
struct StoredPlacement {
  std::optional<std::int32_t> width;
  std::optional<std::int32_t> height;
  std::optional<std::int32_t> left;
  std::optional<std::int32_t> top;
};
StoredPlacement placementToApply(const std::string& width, const std::string& height, const std::string& left,
                                 const std::string& top, const ScreenArea& screens);

// Pictures per row from the stored text: its leading number rounded half to
// even, 4 when that is 0, then brought into minimum..maximum, the range of
// the box that shows it, so that a damaged value cannot stop the start.
struct PicturesPerRow {
  std::int32_t value = 4;
  // The stored number lay outside the box's range.
  bool clamped = false;
};
PicturesPerRow picturesPerRowFrom(const std::string& stored, std::int32_t minimum, std::int32_t maximum);

// The project named on the command line: the arguments as one text (joined
// by blanks, never split into several paths), every double quote a blank,
// trimmed; nothing unless its extension is "vlr" in any letter case.
std::optional<std::string> commandLineProject(const std::vector<std::string>& arguments);

}  // namespace velvara::app
