#include "core/gallery/SettingsCheck.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace velvara::core {

namespace {

// Whether text, apart from blanks around it, is a whole decimal number within
// [minimum, maximum].
bool isWholeNumber(const std::string& text, std::int64_t minimum, std::int64_t maximum) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const auto last = text.find_last_not_of(' ');
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;
  std::int64_t value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  return error == std::errc() && stop == end && value >= minimum && value <= maximum;
}

}  // namespace

std::optional<std::string> galleryBuildProblem(const GallerySettings& settings) {
  if (settings.columns < 1 || settings.rows < 1) {
    return "The gallery needs at least one column and one row (columns: " + std::to_string(settings.columns) +
           ", rows: " + std::to_string(settings.rows) + ").";
  }
  constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kInt16Max = std::numeric_limits<std::int16_t>::max();
  const struct {
    const char* name;
    const std::string& value;
    std::int64_t maximum;
  } numbers[] = {
      {"thumbnail width", settings.thumbWidth, kInt32Max}, {"thumbnail height", settings.thumbHeight, kInt32Max},
      {"image width", settings.imageWidth, kInt32Max},     {"image height", settings.imageHeight, kInt32Max},
      {"JPEG quality", settings.jpegQuality, kInt16Max},
  };
  for (const auto& number : numbers) {
    if (!isWholeNumber(number.value, -number.maximum - 1, number.maximum)) {
      return std::string("The ") + number.name + " is not a number: '" + number.value + "'.";
    }
  }
  return std::nullopt;
}

}  // namespace velvara::core
