#include "core/model/SettingsCheck.h"

#include <charconv>

#include "i18n/AddedStrings.h"
#include "i18n/StringService.h"

namespace velvara::core {
namespace {

constexpr std::int32_t kMaxSide = 100000;

// The whole number that text holds, apart from blanks around it, when it lies
// within [minimum, maximum].
std::optional<std::int32_t> wholeNumber(const std::string& text, std::int32_t minimum, std::int32_t maximum) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const auto last = text.find_last_not_of(' ');
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;
  std::int32_t value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end || value < minimum || value > maximum) return std::nullopt;
  return value;
}

}  // namespace

std::optional<GallerySizes> gallerySizes(const GallerySettings& settings, const i18n::StringService& strings,
                                         std::string& problem) {
  using namespace i18n::added;
  GallerySizes sizes;
  const struct {
    int name;
    const std::string& text;
    std::int32_t maximum;
    std::int32_t& value;
  } fields[] = {
      {kSettingThumbWidth, settings.thumbWidth, kMaxSide, sizes.thumbWidth},
      {kSettingThumbHeight, settings.thumbHeight, kMaxSide, sizes.thumbHeight},
      {kSettingImageWidth, settings.imageWidth, kMaxSide, sizes.imageWidth},
      {kSettingImageHeight, settings.imageHeight, kMaxSide, sizes.imageHeight},
      {kSettingJpegQuality, settings.jpegQuality, 100, sizes.jpegQuality},
  };
  for (const auto& field : fields) {
    auto value = wholeNumber(field.text, 1, field.maximum);
    if (!value) {
      problem = strings.fillIn(kSettingNotWholeNumber,
                               {strings.loadMlString(field.name), std::to_string(field.maximum), field.text});
      return std::nullopt;
    }
    field.value = *value;
  }
  return sizes;
}

std::optional<std::string> galleryBuildProblem(const GallerySettings& settings, const i18n::StringService& strings) {
  if (settings.columns < 1 || settings.rows < 1) {
    return strings.fillIn(i18n::added::kNeedsColumnsAndRows,
                          {std::to_string(settings.columns), std::to_string(settings.rows)});
  }
  std::string problem;
  if (!gallerySizes(settings, strings, problem)) return problem;
  // The alignment is written unquoted into every cell and into the style
  // sheet, so any other text would become markup there.
  if (settings.titleAlign != "left" && settings.titleAlign != "center" && settings.titleAlign != "right") {
    return strings.fillIn(i18n::added::kTitleAlignment, {settings.titleAlign});
  }
  return std::nullopt;
}

}  // namespace velvara::core
