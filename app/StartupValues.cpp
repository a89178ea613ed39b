#include "app/StartupValues.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/helpers/Blanks.h"
#include "core/model/ImageList.h"

namespace velvara::app {

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The length of the number at the start of text (after its blanks); 0 when
// there is none.
std::size_t numberLength(const std::string& text, std::size_t start) {
  std::size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && isDigit(text[j])) {
      while (j < text.size() && isDigit(text[j])) ++j;
      i = j;
    }
  }
  return i - start;
}

std::optional<std::int32_t> toInt32(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);
  if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace

double leadingNumber(const std::string& text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return 0;
  const std::size_t length = numberLength(text, start);
  if (length == 0) return 0;
  return std::strtod(text.substr(start, length).c_str(), nullptr);
}

std::optional<std::int32_t> wholeNumberOf(const std::string& text) {
  const std::string trimmed(core::trimBlanks(text));
  if (trimmed.empty() || numberLength(trimmed, 0) != trimmed.size()) return std::nullopt;
  return toInt32(std::strtod(trimmed.c_str(), nullptr));
}

StoredPlacement placementToApply(const std::string& width, const std::string& height, const std::string& left,
                                 const std::string& top, const ScreenArea& screens) {
  StoredPlacement placement;
  // A size larger than the screens, or below 1 pixel, cannot be shown (and
  // the window system may refuse it outright).
  const auto size = [](const std::string& text, int screensExtent) {
    auto value = wholeNumberOf(text);
    const bool shown = value && *value / kTwipsPerPixel > 0 && *value / kTwipsPerPixel <= screensExtent;
    return shown ? value : std::nullopt;
  };
  // An edge at or beyond the screens' far side puts the whole window off them.
  const auto edge = [](const std::string& text, int screensEnd) {
    auto value = wholeNumberOf(text);
    return value && *value >= 0 && *value / kTwipsPerPixel < screensEnd ? value : std::nullopt;
  };
  placement.width = size(width, screens.width);
  placement.height = size(height, screens.height);
  placement.left = edge(left, screens.left + screens.width);
  placement.top = edge(top, screens.top + screens.height);
  return placement;
}

PicturesPerRow picturesPerRowFrom(const std::string& stored, std::int32_t minimum, std::int32_t maximum) {
  const double rounded = std::nearbyint(leadingNumber(stored));
  PicturesPerRow result;
  if (rounded == 0) return result;
  if (rounded < minimum) {
    result.value = minimum;
    result.clamped = true;
  } else if (rounded > maximum) {
    result.value = maximum;
    result.clamped = true;
  } else {
    result.value = static_cast<std::int32_t>(rounded);
  }
  return result;
}

std::optional<std::string> commandLineProject(const std::vector<std::string>& arguments) {
  std::string joined;
  for (const auto& argument : arguments) {
    if (!joined.empty()) joined += ' ';
    joined += argument;
  }
  for (char& c : joined) {
    if (c == '"') c = ' ';
  }
  std::string path(core::trimBlanks(joined));
  if (path.empty()) return std::nullopt;
  std::string extension = core::getFileExtension(path);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension != "vlr") return std::nullopt;
  return path;
}

}  // namespace velvara::app
