#include "settings/binding/RecordTexts.h"

#include <cctype>

#include "core/helpers/Colors.h"
#include "core/helpers/Urls.h"

namespace velvara::settings {

std::vector<std::int32_t> splitBorderColors(const std::string& colors) {
  std::vector<std::int32_t> result;
  std::size_t start = 0;
  while (result.size() < 4) {
    const auto blank = colors.find(' ', start);
    result.push_back(core::htmlToColor(colors.substr(start, blank == std::string::npos ? blank : blank - start)));
    if (blank == std::string::npos) break;
    start = blank + 1;
  }
  return result;
}

std::string joinBorderColors(const std::array<std::int32_t, 4>& colors) {
  std::string text;
  for (const auto color : colors) {
    if (!text.empty()) text += ' ';
    text += core::colorToHtml(color);
  }
  for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string normalTitleAlign(const std::string& align) {
  return align == "left" || align == "center" || align == "right" ? align : kCenter;
}

std::string shownHomeUrl(const std::string& homeUrl) {
  return homeUrl == "http://" ? std::string() : core::normalizeUrl(homeUrl);
}

std::string joinLightboxStyle(const LightboxLook& look) {
  return core::colorToHtml(look.overlayColor) + "*" + core::colorToHtml(look.imageBoxColor) + "*" +
         core::colorToHtml(look.captionBackColor) + "*" + look.captionSize + "px " + look.captionFontName +
         ", Helvetica, sans-serif*" + (look.bold ? "bold" : "normal") + "*" + core::colorToHtml(look.captionColor);
}

}  // namespace velvara::settings
